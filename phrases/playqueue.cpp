// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "playqueue.h"

#include "slim.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace {

// Counts free slots; finds the k-th free one (from 0) in O(log n). The slots are bits,
// 64 to a word, under a Fenwick tree of how many are free in each word: a tree that small
// stays in the processor's cache, so a long queue is settled several times faster than
// with a node per slot.
class FreeSlots
{
public:
    explicit FreeSlots(std::size_t size)
        : m_words((size + 63) / 64, ~std::uint64_t(0))
        , m_tree(m_words.size() + 1, 0)
    {
        if (size % 64 != 0)
            m_words.back() = (std::uint64_t(1) << (size % 64)) - 1;
        for (std::size_t i = 1; i < m_tree.size(); ++i) {
            m_tree[i] += std::size_t(std::popcount(m_words[i - 1]));
            const std::size_t parent = i + (i & -i);
            if (parent < m_tree.size())
                m_tree[parent] += m_tree[i];
        }
    }

    // Takes the k-th free slot, 0 <= k < number of free slots, and returns its index.
    std::size_t take(std::size_t k)
    {
        // Down the tree to the word that holds the slot. The nodes that the search does
        // not step past are exactly those whose range holds that word, so their counts
        // drop on the way down, in a single pass.
        std::size_t word = 0;
        std::size_t remaining = k + 1;
        for (std::size_t step = std::bit_floor(m_tree.size() - 1); step > 0; step >>= 1) {
            const std::size_t next = word + step;
            if (next >= m_tree.size())
                continue;
            if (m_tree[next] < remaining) {
                word = next;
                remaining -= m_tree[next];
            } else {
                m_tree[next] -= 1;
            }
        }
        // Then to the remaining-th free bit of that word.
        std::uint64_t bits = m_words[word];
        for (; remaining > 1; --remaining)
            bits &= bits - 1;
        const int bit = std::countr_zero(bits);
        m_words[word] &= ~(std::uint64_t(1) << bit);
        return word * 64 + std::size_t(bit);
    }

private:
    std::vector<std::uint64_t> m_words;
    std::vector<std::size_t> m_tree;
};

} // namespace

std::vector<std::uint32_t> shuffledQueue(const std::vector<std::u16string> &source,
                                         const std::function<std::size_t(std::size_t)> &drawGap)
{
    std::vector<std::uint32_t> copied;
    std::vector<std::size_t> gaps;
    copied.reserve(source.size());
    gaps.reserve(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (trimSpaces(source[i]).empty())
            continue;
        // 0 <= k <= m, m being the phrases copied so far.
        gaps.push_back(drawGap(copied.size() + 1));
        copied.push_back(std::uint32_t(i));
    }

    const std::size_t n = copied.size();
    std::vector<std::uint32_t> queue(n);
    FreeSlots freeSlots(n);
    for (std::size_t j = n; j-- > 0;)
        queue[freeSlots.take(gaps[j])] = copied[j];
    return queue;
}
