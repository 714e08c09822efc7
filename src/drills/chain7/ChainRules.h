#pragma once
// Chain questions: a column of one-digit terms, some added and some
// subtracted, with a positive total. A question has T terms, S of them
// subtracted (seven and two for the preschool sheet). Rows of questions are
// drawn from the shared random source and turned into fixed-width text lines.

#include "random/RandomSource.h"

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cstdint>
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
template <typename Source> int j(Source& source)
{
    std::int64_t t = 0;
    do {
        t = RandomSource::truncScaled(source.next(), 10);
    } while (t < 1 || t > 9);
    return static_cast<int>(t);
}

// A term to be subtracted, -9 to -1: trunc(r × 10) − 10, drawn again while -10.
template <typename Source> int h(Source& source)
{
    std::int64_t t = 0;
    do {
        t = RandomSource::truncScaled(source.next(), 10) - 10;
    } while (t < -9 || t > -1);
    return static_cast<int>(t);
}

// The drawing pass of one question: slots 1..S from h, the rest from j, all
// drawn again while their sum is not positive. drawn[s - 1] is slot s.
struct DrawnTerms {
    std::vector<int> drawn;
    int sum = 0;
};

template <typename Source> DrawnTerms drawTerms(Source& source, int terms, int subtracted)
{
    // A positive first term and a positive total must both be possible.
    Q_ASSERT(subtracted >= 0 && subtracted <= terms - 2);
    DrawnTerms result;
    result.drawn.resize(static_cast<std::size_t>(terms));
    do {
        result.sum = 0;
        for (int slot = 0; slot < terms; ++slot) {
            const int term = slot < subtracted ? h(source) : j(source);
            result.drawn[static_cast<std::size_t>(slot)] = term;
            result.sum += term;
        }
    } while (result.sum <= 0);
    return result;
}

inline bool isTerm(int value)
{
    return (value >= 1 && value <= 9) || (value >= -9 && value <= -1);
}

// The ordering pass of one question: picks the shown order from the drawn
// slots, marking each placed slot with kUsed.
template <typename Source> std::vector<int> orderTerms(Source& source, std::vector<int>& drawn)
{
    const int terms = static_cast<int>(drawn.size());
    auto slot = [&drawn](std::int64_t number) -> int& { return drawn[static_cast<std::size_t>(number - 1)]; };
    std::vector<int> shown;
    shown.reserve(drawn.size());

    // The first term is an added one from any slot but the last.
    std::int64_t p = 0;
    do {
        p = RandomSource::truncScaled(source.next(), terms - 1) + 1;
    } while (slot(p) < 1 || slot(p) > 9);
    shown.push_back(slot(p));
    slot(p) = kUsed;

    // The +0.05 makes 0 likely (drawn again) and the last slot rare, so the
    // last drawn term mostly ends the column.
    for (int position = 2; position <= terms; ++position) {
        std::int64_t i = 0;
        do {
            do {
                i = static_cast<std::int64_t>(static_cast<double>(source.next()) * terms + 0.05);
            } while (i == 0);
        } while (!isTerm(slot(i)));
        shown.push_back(slot(i));
        slot(i) = kUsed;
    }
    return shown;
}

// A row of questions: the drawing pass of every question, then the ordering
// pass of every question.
template <typename Source> ChainRow DrawChainRow(Source& source, int questions, int terms, int subtracted)
{
    ChainRow row(static_cast<std::size_t>(std::max(questions, 0)));
    std::vector<std::vector<int>> drawn(row.size());
    for (std::size_t q = 0; q < row.size(); ++q) {
        DrawnTerms question = drawTerms(source, terms, subtracted);
        drawn[q] = std::move(question.drawn);
        row[q].answer = question.sum;
    }
    for (std::size_t q = 0; q < row.size(); ++q) {
        row[q].shown = orderTerms(source, drawn[q]);
    }
    return row;
}

// The k-th shown term (k from 1) of every question, right-aligned in its field.
QString FormatTermLine(const ChainRow& row, int k);
QString FormatAnswerLine(const ChainRow& row);
// Six hyphens under the right-hand part of every field.
QString FormatAnswerUnderline(int questions);
// Hyphens as wide as the row: the rule line of the printed page.
QString separatorLine(int questions);
} // namespace ChainRules
