// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/ShareDealer.h"

#include "random/DistinctDraws.h"

#include <QtGlobal>
#include <algorithm>
#include <numeric>

std::vector<std::int64_t> Shares::split(std::int64_t n, std::size_t k, RandomSource& random)
{
    std::vector<std::int64_t> parts(k, k == 0 ? 0 : n / static_cast<std::int64_t>(k));
    if (k == 0) {
        return parts;
    }
    // The first n mod k of a partial shuffle of the parts get one more.
    std::vector<std::size_t> order(k);
    std::iota(order.begin(), order.end(), std::size_t { 0 });
    const auto extra = static_cast<std::size_t>(n % static_cast<std::int64_t>(k));
    for (std::size_t i = 0; i < extra; ++i) {
        const auto pick
            = i + static_cast<std::size_t>(Draws::uniformIndex(random, static_cast<std::int64_t>(k - i)));
        std::swap(order[i], order[pick]);
        ++parts[order[i]];
    }
    return parts;
}

bool Shares::Node::holdsQuestions() const
{
    if (space) {
        return space->count() > 0;
    }
    return std::any_of(parts.begin(), parts.end(), [](const Node& part) { return part.holdsQuestions(); });
}

namespace {
void shareOut(
    const Shares::Node& node, std::int64_t count, RandomSource& random, std::vector<ShareDealer::Share>& out)
{
    if (node.space) {
        out.push_back({ node.space, count });
        return;
    }
    std::vector<const Shares::Node*> holding;
    for (const Shares::Node& part : node.parts) {
        if (part.holdsQuestions()) {
            holding.push_back(&part);
        }
    }
    const std::vector<std::int64_t> counts = Shares::split(count, holding.size(), random);
    for (std::size_t i = 0; i < holding.size(); ++i) {
        shareOut(*holding[i], counts[i], random, out);
    }
}
} // namespace

ShareDealer ShareDealer::evenly(const Shares::Node& tree, std::int64_t wanted, RandomSource& random)
{
    std::vector<Share> shares;
    if (tree.holdsQuestions()) {
        shareOut(tree, wanted, random, shares);
    }
    return ShareDealer(std::move(shares));
}

ShareDealer::ShareDealer(std::vector<Share> shares)
    : m_shares(std::move(shares))
{
    std::erase_if(m_shares, [](const Share& share) { return share.count <= 0 || share.space->count() == 0; });
    m_dealers.reserve(m_shares.size());
    for (const Share& share : m_shares) {
        m_dealers.emplace_back(*share.space, share.count);
        m_left.push_back(share.count);
        m_leftSum += share.count;
    }
}

Question ShareDealer::next(RandomSource& random)
{
    Q_ASSERT(m_leftSum > 0);
    const std::size_t size = m_shares.size();
    // The shares that may come here: places left, and a next question other than the one just written.
    std::vector<char> may(size, 0);
    std::int64_t mayLeft = 0;
    std::optional<std::size_t> most;
    for (std::size_t s = 0; s < size; ++s) {
        if (m_left[s] == 0) {
            continue;
        }
        const bool repeats
            = m_previous && m_shares[s].space->at(m_dealers[s].peekIndex(random)) == *m_previous;
        if (!repeats) {
            may[s] = 1;
            mayLeft += m_left[s];
            // A share with more than half of the places left must come now, or it
            // would be left to follow itself at the end.
            if (2 * m_left[s] > m_leftSum) {
                most = s;
            }
        }
    }
    std::size_t chosen = 0;
    if (most) {
        chosen = *most;
    } else if (mayLeft > 0) {
        std::int64_t place = Draws::uniformIndex(random, mayLeft);
        while (!may[chosen] || place >= m_left[chosen]) {
            place -= may[chosen] ? m_left[chosen] : 0;
            ++chosen;
        }
    } else {
        // Every share left would repeat the last question: one of them deals
        // the card after its next one first, where its deck has one.
        std::int64_t place = Draws::uniformIndex(random, m_leftSum);
        while (place >= m_left[chosen]) {
            place -= m_left[chosen];
            ++chosen;
        }
        m_dealers[chosen].passOver(random);
    }
    --m_left[chosen];
    --m_leftSum;
    m_last = chosen;
    const Question question = m_dealers[chosen].next(random);
    m_previous = question;
    return question;
}

int ShareDealer::widestText() const
{
    int widest = 0;
    for (const Share& share : m_shares) {
        widest = std::max(widest, share.space->widestText());
    }
    return widest;
}
