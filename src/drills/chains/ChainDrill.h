// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chain drills: pages of rows of chain questions (columns of one-digit
// terms added and subtracted) streamed to the run's outputs, the sheets they
// name and the settings they accept. Each chain drill is a definition here,
// its term counts and names (five, seven and ten terms for preschool today);
// all of them share the rules, the run and the window.

#include <QString>
#include <cstdint>
#include <optional>

class ChainWindow;
class RandomSource;
class SheetOutputs;

struct ChainDrillDefinition {
    using Window = ChainWindow; // the window family that shows it

    QString drillName; // in the heading and on the generate button
    QString stem; // names the sheet file and title, and what the completion text says was made
    int terms;
    int subtracted;
    QString countsMessage; // shown when the layout settings are refused
    bool offersDistinct = false; // the check box 题目不重复

    QString fileName() const;
    QString title() const;
};

struct ChainSettings {
    int perRow;
    int rowsPerPage;
    int pages;
    bool answers;
    bool distinct = false; // no column of terms twice in the sheet
};

namespace ChainTexts {
// The seven-term drill's message names 50 and 10 as the highest counts,
// although 51 and 11 are accepted; it is kept as teachers know it.
inline const QString kSevenTermCountsMessage = QStringLiteral(
    "可一次性每排输出2-50题，每页输出2-10排，每次输出1-20页。对不起！输入有误，谢谢使用。欢迎再来");
// The message naming the counts that are accepted, for the newer chain drills.
QString countsMessage();
QString completion(const ChainDrillDefinition& sheet, qint64 questions);
} // namespace ChainTexts

namespace ChainDrills {
inline const ChainDrillDefinition kFiveTerm {
    .drillName = QStringLiteral("五笔加减"),
    .stem = QStringLiteral("学前段五笔加减"),
    .terms = 5,
    .subtracted = 1,
    .countsMessage = ChainTexts::countsMessage(),
    .offersDistinct = true,
};
inline const ChainDrillDefinition kSevenTerm {
    .drillName = QStringLiteral("七笔加减"),
    .stem = QStringLiteral("学前段七笔加减"),
    .terms = 7,
    .subtracted = 2,
    .countsMessage = ChainTexts::kSevenTermCountsMessage,
    .offersDistinct = false,
};
inline const ChainDrillDefinition kTenTerm {
    .drillName = QStringLiteral("十笔加减"),
    .stem = QStringLiteral("学前段十笔加减"),
    .terms = 10,
    .subtracted = 3,
    .countsMessage = ChainTexts::countsMessage(),
    .offersDistinct = true,
};
} // namespace ChainDrills

namespace ChainDrill {
// The checks are on the last question and row indices (1 to 50 and 1 to 10),
// so 51 questions per row and 11 rows per page pass although the message
// names 50 and 10.
inline constexpr int kMinPerRow = 2;
inline constexpr int kMaxPerRow = 51;
inline constexpr int kMinRows = 2;
inline constexpr int kMaxRows = 11;
inline constexpr int kMinPages = 1;
inline constexpr int kMaxPages = 20;

// The settings from the boxes' texts; nothing when a text is not a whole
// number or a value is out of range.
std::optional<ChainSettings> readSettings(
    const QString& perRow, const QString& rowsPerPage, const QString& pages, bool answers);

// The distinct columns of terms: the first term added, `subtracted` of the
// others subtracted, a positive total.
std::int64_t distinctCount(int terms, int subtracted);

// Draws and writes the whole run and puts its sheet file in place; the
// printed pages go out when the outputs finish. False when an output failed
// (recorded in the outputs).
bool run(const ChainDrillDefinition& sheet, const ChainSettings& settings, RandomSource& random,
    SheetOutputs& outputs);
} // namespace ChainDrill
