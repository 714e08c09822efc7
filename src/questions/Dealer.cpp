// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/Dealer.h"

#include "random/RandomSource.h"

#include <QtGlobal>
#include <numeric>

Dealer::Dealer(const QuestionSpace& space, std::int64_t wanted)
    : m_space(space)
{
    Q_ASSERT(space.count() > 0);
    if (space.count() >= wanted) {
        m_oneDeck.emplace(space.count(), wanted);
    } else {
        m_deck.resize(static_cast<std::size_t>(space.count()));
        std::iota(m_deck.begin(), m_deck.end(), std::int64_t { 0 });
        m_dealt = m_deck.size();
    }
}

void Dealer::shuffle(RandomSource& random)
{
    const std::size_t size = m_deck.size();
    std::size_t from = 0;
    if (m_started && size > 1) {
        // The deck dealt ends at the bottom: the new top card is drawn from the others.
        const auto top
            = static_cast<std::size_t>(Draws::uniformIndex(random, static_cast<std::int64_t>(size - 1)));
        std::swap(m_deck[0], m_deck[top]);
        from = 1;
    }
    // Fisher–Yates on the rest.
    for (std::size_t i = from; i + 1 < size; ++i) {
        const auto pick
            = i + static_cast<std::size_t>(Draws::uniformIndex(random, static_cast<std::int64_t>(size - i)));
        std::swap(m_deck[i], m_deck[pick]);
    }
    m_dealt = 0;
    m_started = true;
}

std::int64_t Dealer::draw(RandomSource& random)
{
    if (m_held) {
        const std::int64_t held = *m_held;
        m_held.reset();
        return held;
    }
    if (m_oneDeck) {
        ++m_drawn;
        return m_oneDeck->next(random);
    }
    if (m_dealt == m_deck.size()) {
        shuffle(random);
    }
    return m_deck[m_dealt++];
}

std::int64_t Dealer::peekIndex(RandomSource& random)
{
    if (!m_peeked) {
        m_peeked = draw(random);
    }
    return *m_peeked;
}

std::int64_t Dealer::nextIndex(RandomSource& random)
{
    const std::int64_t index = peekIndex(random);
    m_peeked.reset();
    return index;
}

bool Dealer::passOver(RandomSource& random)
{
    peekIndex(random);
    if (m_oneDeck) {
        if (m_drawn == m_oneDeck->count()) {
            return false;
        }
        const std::int64_t after = draw(random);
        m_held = m_peeked;
        m_peeked = after;
        return true;
    }
    // The peeked card is m_deck[m_dealt − 1]; the one after it must be in this deck.
    if (m_dealt == m_deck.size()) {
        return false;
    }
    std::swap(m_deck[m_dealt - 1], m_deck[m_dealt]);
    m_peeked = m_deck[m_dealt - 1];
    return true;
}

Question Dealer::next(RandomSource& random)
{
    return m_space.at(nextIndex(random));
}
