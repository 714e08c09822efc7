// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chain questions: a column of one-digit terms, some added and some
// subtracted, with a positive total. A question has T terms, S of them
// subtracted (five and one, seven and two, ten and three in the preschool
// chain drills). Rows of questions are drawn from the shared random source
// and turned into fixed-width text lines.

#include "output/SheetLine.h"
#include "random/Draws.h"
#include "random/RandomSource.h"

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cstdint>
#include <type_traits>
#include <vector>

struct ChainQuestion {
    std::vector<int> shown; // the terms top to bottom; shown[0] is always positive
    int answer = 0;
};

using ChainRow = std::vector<ChainQuestion>;

namespace ChainRules {
// Every question takes one field of this many characters in every line.
inline constexpr int kFieldWidth = 8;
inline const QString kUnderlinePiece = QStringLiteral("  ------");
inline const QString kSeparatorPiece = QStringLiteral("--------");
// Written over a drawn slot once its term is placed; no term has this value.
inline constexpr int kUsed = 20;

// The drawing functions take any source of values r with 0 <= r < 1 (the
// shared RandomSource; tests hand them chosen values).

// A term to be added, 1 to 9: trunc(r × 10), drawn again while 0.
template <typename Source> int drawAddedTerm(Source& source)
{
    std::int64_t t = 0;
    do {
        t = Draws::below(source, 10);
    } while (t < 1 || t > 9);
    return static_cast<int>(t);
}

// A term to be subtracted, -9 to -1: trunc(r × 10) − 10, drawn again while -10.
template <typename Source> int drawSubtractedTerm(Source& source)
{
    std::int64_t t = 0;
    do {
        t = Draws::below(source, 10) - 10;
    } while (t < -9 || t > -1);
    return static_cast<int>(t);
}

// The drawing pass of one question: slots 1..S subtracted terms, the rest added ones, all
// drawn again while their sum is not positive. drawn[s - 1] is slot s.
struct DrawnTerms {
    std::vector<int> drawn;
    int sum = 0;
};

// The drawing pass into `drawn`, whose room a run keeps from question to
// question; returns the sum.
template <typename Source>
int drawTermsInto(Source& source, int terms, int subtracted, std::vector<int>& drawn)
{
    // A positive first term and a positive total must both be possible.
    Q_ASSERT(subtracted >= 0 && subtracted <= terms - 2);
    drawn.resize(static_cast<std::size_t>(terms));
    int sum = 0;
    do {
        sum = 0;
        for (int slot = 0; slot < terms; ++slot) {
            const int term = slot < subtracted ? drawSubtractedTerm(source) : drawAddedTerm(source);
            drawn[static_cast<std::size_t>(slot)] = term;
            sum += term;
        }
    } while (sum <= 0);
    return sum;
}

template <typename Source> DrawnTerms drawTerms(Source& source, int terms, int subtracted)
{
    DrawnTerms result;
    result.sum = drawTermsInto(source, terms, subtracted, result.drawn);
    return result;
}

inline bool isTerm(int value)
{
    return (value >= 1 && value <= 9) || (value >= -9 && value <= -1);
}

// The slot a value picks for a shown term after the first (0: none).
inline std::int64_t slotPicked(float r, int terms)
{
    return static_cast<std::int64_t>(static_cast<double>(r) * terms + 0.05);
}

// The values r (as r × 2^24) that pick the slot: one range, as the pick grows with r.
inline Draws::BitsRange bitsPicking(int slot, int terms)
{
    // The first 24-bit value that picks at least the given slot.
    const auto firstPicking = [terms](std::int64_t atLeast) {
        std::uint32_t low = 0;
        std::uint32_t high = 1U << 24;
        while (low < high) {
            const std::uint32_t mid = low + (high - low) / 2;
            if (slotPicked(RandomSource::valueOf(mid << 8), terms) >= atLeast) {
                high = mid;
            } else {
                low = mid + 1;
            }
        }
        return low;
    };
    return { firstPicking(slot), firstPicking(slot + 1) - 1 };
}

// bitsPicking, worked out once for every chain length up to ten terms.
inline const Draws::BitsRange& bitsPickingOf(int slot, int terms)
{
    constexpr int kMostTerms = 10;
    using Table = std::array<std::array<Draws::BitsRange, kMostTerms + 1>, kMostTerms + 1>;
    static const Table table = [] {
        Table t {};
        for (int n = 1; n <= kMostTerms; ++n) {
            for (int k = 1; k <= n; ++k) {
                t[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] = bitsPicking(k, n);
            }
        }
        return t;
    }();
    Q_ASSERT(terms >= 1 && terms <= kMostTerms && slot >= 1 && slot <= terms);
    return table[static_cast<std::size_t>(terms)][static_cast<std::size_t>(slot)];
}

// The ordering pass of one question: picks the shown order from the drawn
// slots into `shown` (its room kept), marking each placed slot with kUsed.
template <typename Source>
void orderTermsInto(Source& source, std::vector<int>& drawn, std::vector<int>& shown)
{
    const int terms = static_cast<int>(drawn.size());
    auto slot = [&drawn](std::int64_t number) -> int& { return drawn[static_cast<std::size_t>(number - 1)]; };
    shown.clear();

    // The first term is an added one from any slot but the last.
    std::int64_t p = 0;
    do {
        p = Draws::below(source, terms - 1) + 1;
    } while (slot(p) < 1 || slot(p) > 9);
    shown.push_back(slot(p));
    slot(p) = kUsed;

    // The +0.05 makes 0 likely (drawn again) and the last slot rare, so the
    // last drawn term mostly ends the column.
    for (int position = 2; position <= terms; ++position) {
        std::int64_t i = 0;
        if constexpr (std::is_same_v<Source, RandomSource>) {
            if (position == terms) {
                // One slot is left, and waiting for it (often the rare last
                // one) is most of a row's draws: skip to the first value that
                // picks it, exactly as the loop below would stop.
                const auto left = std::find_if(drawn.begin(), drawn.end(), isTerm);
                const int last = static_cast<int>(left - drawn.begin()) + 1;
                const Draws::BitsRange& picking = bitsPickingOf(last, terms);
                i = slotPicked(source.nextWithin(picking.lowest, picking.highest), terms);
                shown.push_back(slot(i));
                slot(i) = kUsed;
                break;
            }
        }
        do {
            do {
                i = slotPicked(source.next(), terms);
            } while (i == 0);
        } while (!isTerm(slot(i)));
        shown.push_back(slot(i));
        slot(i) = kUsed;
    }
}

template <typename Source> std::vector<int> orderTerms(Source& source, std::vector<int>& drawn)
{
    std::vector<int> shown;
    shown.reserve(drawn.size());
    orderTermsInto(source, drawn, shown);
    return shown;
}

// A row of questions: the drawing pass of every question, then the ordering
// pass of every question. The row and each question's drawing pass (in
// `drawn`) keep their room from row to row, so a run allocates them once.
template <typename Source>
void drawChainRowInto(Source& source, int questions, int terms, int subtracted, ChainRow& row,
    std::vector<std::vector<int>>& drawn)
{
    row.resize(static_cast<std::size_t>(std::max(questions, 0)));
    drawn.resize(row.size());
    for (std::size_t q = 0; q < row.size(); ++q) {
        row[q].answer = drawTermsInto(source, terms, subtracted, drawn[q]);
    }
    for (std::size_t q = 0; q < row.size(); ++q) {
        orderTermsInto(source, drawn[q], row[q].shown);
    }
}

// The k-th shown term (k from 1) of every question, right-aligned in its
// field, written into a sheet line; and the answers the same way.
void writeTermLine(SheetLine& line, const ChainRow& row, int k);
void writeAnswerLine(SheetLine& line, const ChainRow& row);
// Six hyphens under the right-hand part of every field.
QString formatAnswerUnderline(int questions);
// Hyphens as wide as the row: the rule line of the printed page.
QString separatorLine(int questions);
} // namespace ChainRules
