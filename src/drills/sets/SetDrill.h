// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Set drills: questions of up to four kinds, each kind with its own count, are
// drawn into a pool kind by kind, shuffled into one random sheet order and
// written as one sheet file and one printed page per set. A drill supplies its
// sheet names and, per kind, the count and a function that draws one question.

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class RandomSource;
class SheetOutputs;

// One question of a set: its text as the sheet shows it (ending in "=") and
// its answer.
struct SetEntry {
    QString text;
    std::int64_t answer = 0;
};

struct SetKind {
    int count = 0;
    std::function<SetEntry(RandomSource&)> draw;
};

struct SetSheet {
    QString title; // file title; on paper it stands in stars, followed by the set number
    QString filePrefix; // the sheet file of set n is prefix + n + ".xls"
    int cellWidth = 0;
};

namespace SetDrillTexts {
inline const QString kSetsMessage = QStringLiteral("输入套数错误！每次规定出题在1-100套。");
inline const QString kPerRowMessage = QStringLiteral("输入每行题数错误！每行题数至少为1题。");
inline const QString kDigitsMessage
    = QStringLiteral("输入位数错误！第一因数位数为1-6位，第二因数位数为1-5位。");
inline const QString kCountMessage = QStringLiteral("输入题数错误！输入题数在0-50题。");
inline constexpr int kMaxSets = 100;
} // namespace SetDrillTexts

namespace SetDrill {
QString fileName(const SetSheet& sheet, int setNumber);
// The completion label names the file pattern with a literal "X".
QString filePattern(const SetSheet& sheet);

// The text, with the answer right after "=" when shown, padded with spaces to
// the cell width (a longer text is kept whole).
QString formatCell(const QString& text, std::int64_t answer, bool withAnswer, int cellWidth);

// All questions of the kinds, in kind order.
std::vector<SetEntry> drawPool(RandomSource& random, const std::vector<SetKind>& kinds);

// The pool position 1..total (or total + 1, see shuffleWith) that the value r
// picks: trunc(r × total + 1), with the product and the sum each rounded to
// single precision.
int shufflePosition(float r, int total);

// Picks a random pool position for each sheet position in turn, drawing again
// while the position is already taken. Single-precision rounding lets the
// largest values of r pick total + 1 when total is a power of two; that is no
// pool position, so it is drawn again as well.
template <typename Source> std::vector<SetEntry> shuffleWith(Source& source, std::vector<SetEntry> pool)
{
    const int total = static_cast<int>(pool.size());
    std::vector<bool> taken(pool.size(), false);
    std::vector<SetEntry> order;
    order.reserve(pool.size());
    for (int p = 0; p < total; ++p) {
        int k = 0;
        do {
            k = shufflePosition(source.next(), total);
        } while (k > total || taken[static_cast<std::size_t>(k - 1)]);
        taken[static_cast<std::size_t>(k - 1)] = true;
        order.push_back(std::move(pool[static_cast<std::size_t>(k - 1)]));
    }
    return order;
}

std::vector<SetEntry> shuffle(RandomSource& random, std::vector<SetEntry> pool);

// Draws the pool, then shuffles it: the sheet order of one set.
std::vector<SetEntry> buildSet(RandomSource& random, const std::vector<SetKind>& kinds);

// Whole rows of perRow questions out of total; none when perRow is below 1.
std::int64_t rowCount(std::int64_t total, std::int64_t perRow);

struct SetRun {
    int setNumber = 1;
    std::int64_t perRow = 1;
    bool answers = false;
};

// Writes set n to the outputs: the file and its head lines, the page head
// with the set number and an empty rule line, the set's rows (questions that
// do not fill a last row are left out), the page end numbered n, and closes
// the file. False when an output failed (recorded in the outputs).
bool writeSet(const SetSheet& sheet, const SetRun& run, const std::vector<SetKind>& kinds,
    RandomSource& random, SheetOutputs& outputs);
} // namespace SetDrill
