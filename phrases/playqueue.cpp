#include "playqueue.h"

#include "accents.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace {

// Counts free slots; finds the k-th free one (from 0) in O(log n).
class FreeSlots
{
public:
    explicit FreeSlots(std::size_t size)
        : m_tree(size + 1, 0)
    {
        for (std::size_t i = 1; i <= size; ++i) {
            m_tree[i] += 1;
            const std::size_t parent = i + (i & -i);
            if (parent <= size)
                m_tree[parent] += m_tree[i];
        }
    }

    // Takes the k-th free slot, 0 <= k < number of free slots, and returns its index.
    std::size_t take(std::size_t k)
    {
        std::size_t position = 0;
        std::size_t remaining = k + 1;
        for (std::size_t step = std::bit_floor(m_tree.size() - 1); step > 0; step >>= 1) {
            const std::size_t next = position + step;
            if (next < m_tree.size() && m_tree[next] < remaining) {
                position = next;
                remaining -= m_tree[next];
            }
        }
        for (std::size_t i = position + 1; i < m_tree.size(); i += i & -i)
            m_tree[i] -= 1;
        return position;
    }

private:
    std::vector<std::size_t> m_tree;
};

} // namespace

QStringList shuffledQueue(const QStringList &source, const std::function<double()> &draw)
{
    std::vector<qsizetype> copied;
    std::vector<std::size_t> gaps;
    copied.reserve(std::size_t(source.size()));
    gaps.reserve(std::size_t(source.size()));
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (trimSpaces(source[i]).isEmpty())
            continue;
        const double m = double(copied.size());
        // 0 <= k <= m; the bound only guards against a draw outside [0, 1).
        const double k = std::floor(draw() * (m + 1.0));
        gaps.push_back(std::size_t(std::clamp(k, 0.0, m)));
        copied.push_back(i);
    }

    const std::size_t n = copied.size();
    std::vector<qsizetype> order(n);
    FreeSlots freeSlots(n);
    for (std::size_t j = n; j-- > 0;)
        order[freeSlots.take(gaps[j])] = copied[j];

    QStringList queue;
    queue.reserve(qsizetype(n));
    for (const qsizetype index : order)
        queue.append(source[index]);
    return queue;
}
