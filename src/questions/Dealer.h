// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Deals the questions of a space like a shuffled deck dealt again and again:
// no question comes a second time before every question has come, and a new
// deck never starts with the question the last one ended on. A run that
// wants no more questions than the space holds takes them all from one deck
// (without listing the space); a smaller space is shuffled whole each time.
// The next card can be looked at before it is dealt, and put one place back
// when the card after it is in the same deck.

#include "questions/QuestionSpace.h"
#include "random/DistinctDraws.h"

#include <optional>
#include <vector>

class RandomSource;

class Dealer {
public:
    // wanted: how many questions the run deals.
    Dealer(const QuestionSpace& space, std::int64_t wanted);

    Question next(RandomSource& random);
    // The index in the space of the next question.
    std::int64_t nextIndex(RandomSource& random);
    // The index the next call of nextIndex() returns.
    std::int64_t peekIndex(RandomSource& random);
    // Swaps the next card with the one after it, when that one is in the
    // same deck; false (and nothing changed) when the next card ends its deck.
    bool passOver(RandomSource& random);

    const QuestionSpace& space() const { return m_space; }

private:
    void shuffle(RandomSource& random);
    std::int64_t draw(RandomSource& random);

    const QuestionSpace& m_space;
    std::optional<DistinctIndices> m_oneDeck;
    std::int64_t m_drawn = 0; // indices taken from the one deck
    std::vector<std::int64_t> m_deck; // the current deck of a small space
    std::size_t m_dealt = 0;
    bool m_started = false; // a deck has been dealt
    std::optional<std::int64_t> m_peeked; // the next card, already drawn
    std::optional<std::int64_t> m_held; // a card passed over, dealt after the next
};
