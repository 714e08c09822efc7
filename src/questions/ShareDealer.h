// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sheet dealt in shares: each share is a space of questions with the number
// of questions it gives the sheet, dealt from its own deck (no question twice
// before all of the share's questions have come). The order of the shares on
// the sheet is a random order of their places, drawn place by place from the
// places left; the share whose next question is the one just written waits
// for the next place, so no question comes twice in a row, also where two
// shares hold the same question.

#include "questions/Dealer.h"
#include "questions/QuestionSpace.h"

#include <memory>
#include <vector>

class RandomSource;

namespace Shares {
// n split into k equal parts, the parts of the remainder n mod k (one more
// each) given to k parts picked at random.
std::vector<std::int64_t> split(std::int64_t n, std::size_t k, RandomSource& random);

// The questions to share out: a space, or parts that share out their
// part of the sheet evenly among themselves.
struct Node {
    std::shared_ptr<const QuestionSpace> space; // a leaf: the questions of one share
    std::vector<Node> parts;

    // Whether the node holds a question (an empty one gets no share).
    bool holdsQuestions() const;
};
} // namespace Shares

class ShareDealer {
public:
    struct Share {
        std::shared_ptr<const QuestionSpace> space;
        std::int64_t count = 0; // how many questions it gives the sheet
    };

    // The shares with a count above 0 are dealt.
    explicit ShareDealer(std::vector<Share> shares);
    // The tree's questions shared out evenly at every level over `wanted` questions.
    // The tree's spaces are shared, not copied: one tree serves every pass of a run.
    static ShareDealer evenly(const Shares::Node& tree, std::int64_t wanted, RandomSource& random);

    Question next(RandomSource& random);
    // The share the last question came from (an index into shares()).
    std::size_t lastShare() const { return m_last; }
    const std::vector<Share>& shares() const { return m_shares; }
    // The most characters a question of any share takes with its answer.
    int widestText() const;

private:
    std::vector<Share> m_shares;
    std::vector<Dealer> m_dealers;
    std::vector<std::int64_t> m_left; // each share's places still to deal
    std::int64_t m_leftSum = 0;
    std::optional<Question> m_previous;
    std::size_t m_last = 0;
};
