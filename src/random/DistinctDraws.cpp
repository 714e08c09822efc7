// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/DistinctDraws.h"

#include <QtGlobal>

namespace {
constexpr std::int64_t kOneValue = std::int64_t { 1 } << 24;
constexpr std::int64_t kTwoValues = std::int64_t { 1 } << 48;
} // namespace

std::int64_t Draws::uniformIndex(RandomSource& random, std::int64_t count)
{
    Q_ASSERT(count >= 1 && count < kTwoValues / 2);
    if (count <= kOneValue) {
        return random.below(count);
    }
    const std::int64_t rounds = kTwoValues - kTwoValues % count;
    std::int64_t value = 0;
    do {
        const std::int64_t high = random.below(kOneValue);
        value = high * kOneValue + random.below(kOneValue);
    } while (value >= rounds);
    return value % count;
}

DistinctIndices::DistinctIndices(std::int64_t count, std::int64_t wanted)
    : m_count(count)
    , m_shuffles(count < 2 * wanted)
{
}

std::int64_t DistinctIndices::next(RandomSource& random)
{
    Q_ASSERT(m_taken < m_count);
    if (!m_shuffles) {
        std::int64_t index = 0;
        do {
            index = Draws::uniformIndex(random, m_count);
        } while (!m_used.insert(index).second);
        ++m_taken;
        return index;
    }
    const auto held = [this](std::int64_t position) {
        const auto it = m_moved.find(position);
        return it == m_moved.end() ? position : it->second;
    };
    const std::int64_t position = m_taken + Draws::uniformIndex(random, m_count - m_taken);
    const std::int64_t index = held(position);
    m_moved[position] = held(m_taken);
    m_moved.erase(m_taken);
    ++m_taken;
    return index;
}
