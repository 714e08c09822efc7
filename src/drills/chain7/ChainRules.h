#pragma once
// Chain questions: a column of one-digit terms, some added and some
// subtracted, with a positive total. A question has T terms, S of them
// subtracted (seven and two for the preschool sheet). Rows of questions are
// drawn from the shared random source and turned into fixed-width text lines.

#include <QString>
#include <vector>

class RandomSource;

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

// A term to be added, 1 to 9.
int j(RandomSource& random);
// A term to be subtracted, -9 to -1.
int h(RandomSource& random);

// The drawing pass of one question: slots 1..S from h, the rest from j, all
// drawn again while their sum is not positive. drawn[s - 1] is slot s.
struct DrawnTerms {
    std::vector<int> drawn;
    int sum = 0;
};
DrawnTerms drawTerms(RandomSource& random, int terms, int subtracted);

// The ordering pass of one question: picks the shown order from the drawn
// slots, marking each placed slot with kUsed.
std::vector<int> orderTerms(RandomSource& random, std::vector<int>& drawn);

// A row of questions: the drawing pass of every question, then the ordering
// pass of every question.
ChainRow DrawChainRow(RandomSource& random, int questions, int terms, int subtracted);

// The k-th shown term (k from 1) of every question, right-aligned in its field.
QString FormatTermLine(const ChainRow& row, int k);
QString FormatAnswerLine(const ChainRow& row);
// Six hyphens under the right-hand part of every field.
QString FormatAnswerUnderline(int questions);
// Hyphens as wide as the row: the rule line of the printed page.
QString separatorLine(int questions);
} // namespace ChainRules
