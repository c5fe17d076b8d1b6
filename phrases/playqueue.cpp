// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "playqueue.h"

#include "slim.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace {

// The number of ones in each byte of a word, byte by byte.
std::uint64_t onesPerByte(std::uint64_t bits)
{
    bits -= (bits >> 1) & 0x5555555555555555;
    bits = (bits & 0x3333333333333333) + ((bits >> 2) & 0x3333333333333333);
    return (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0F;
}

// The place of the r-th one (from 0) in each byte value, for r below its number of ones.
constexpr std::array<std::array<std::uint8_t, 8>, 256> placesOfOnes = [] {
    std::array<std::array<std::uint8_t, 8>, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        std::size_t r = 0;
        for (std::uint8_t bit = 0; bit < 8; ++bit) {
            if ((byte >> bit) & 1)
                table[byte][r++] = bit;
        }
    }
    return table;
}();

// The place of the r-th one (from 0) in a word that has more than r ones. The byte that
// holds it is found from the running counts of the bytes, without a branch, and the
// place within the byte from a table: the draws are random, and a loop over the bits
// would end at a different step each time.
int placeOfOne(std::uint64_t bits, std::size_t r)
{
    const std::uint64_t runningOnes = onesPerByte(bits) * 0x0101010101010101;
    std::size_t byte = 0;
    for (int i = 0; i < 8; ++i)
        byte += ((runningOnes >> (8 * i)) & 0xFF) <= r ? 1 : 0;
    const std::size_t onesBefore = byte > 0 ? (runningOnes >> (8 * byte - 8)) & 0xFF : 0;
    const auto value = std::size_t((bits >> (8 * byte)) & 0xFF);
    return int(8 * byte) + placesOfOnes[value][r - onesBefore];
}

// Counts free slots; finds the k-th free one (from 0) in O(log n). The slots are bits,
// 64 to a word, under a Fenwick tree of how many are free in each word: a tree that small
// stays in the processor's cache, so a long queue is settled several times faster than
// with a node per slot. The words are padded with empty ones to a power of two, so that
// every step down the tree has a node to look at.
class FreeSlots
{
public:
    explicit FreeSlots(std::size_t size)
        : m_words(std::bit_ceil((size + 63) / 64), 0)
        , m_tree(m_words.size() + 1, 0)
    {
        std::fill_n(m_words.begin(), size / 64, ~std::uint64_t(0));
        if (size % 64 != 0)
            m_words[size / 64] = (std::uint64_t(1) << (size % 64)) - 1;
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
        // drop on the way down, in a single pass. Each step is worked out without a
        // branch: the draws are random, and a branch would be mispredicted half the time.
        std::size_t word = 0;
        std::size_t remaining = k + 1;
        for (std::size_t step = m_words.size(); step > 0; step >>= 1) {
            const std::size_t count = m_tree[word + step];
            const std::size_t pastMask = 0 - std::size_t(count < remaining);
            m_tree[word + step] = count - 1 - pastMask;
            remaining -= count & pastMask;
            word += step & pastMask;
        }
        // Then to the remaining-th free bit of that word.
        const int bit = placeOfOne(m_words[word], remaining - 1);
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
