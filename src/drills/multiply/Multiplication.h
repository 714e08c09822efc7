// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Multiplication questions a×b= with a first factor of d1 digits and a second
// factor of d2 digits, both strictly above the power of ten (a one-digit
// factor is 2 to 9, a three-digit one 101 to 999). Products need 64 bits.

#include "drills/rows/RowDrill.h"

#include <QString>
#include <cstdint>

class RandomSource;

struct Factors {
    std::int64_t a;
    std::int64_t b;
};

// Factors with decimal places, each held as a whole number of its last
// place: a ÷ 10^aPlaces × b ÷ 10^bPlaces.
struct DecimalFactors {
    std::int64_t a;
    std::int64_t b;
    int aPlaces;
    int bPlaces; // the first factor's places, or 0 for a whole second factor
};

// One grade of the multiplication in rows (中段 in zdcs1, 高段 in gdcs1):
// what its window starts with and offers, and how its sheets are named and
// laid out. The grades themselves are constants in MultiplyDrills.
struct MultiplyGradeRules {
    QString stage; // "中段", "高段": starts the drill's name and its sheets' names
    int firstDigits; // the digit boxes' first contents
    int secondDigits;
    // Shown when a layout box is refused; empty: the message naming the layout limits.
    QString countsMessage = {};
    // The cells of whole-number questions: never narrower than the longest
    // question with its product (alignedCellWidth), or else 6 characters per
    // digit of the first factor (cellWidth), as the middle grades always had.
    bool alignedCells = false;
    // The most decimal places offered (0 to 2): a choice of 整数, 一位小数 and
    // so on up to them. 0: whole numbers only, and no choice.
    int maxPlaces = 0;
    bool offersDistinct = false; // 题目不重复
};

namespace MultiplyTexts {
inline const QString kPlacesCaption = QStringLiteral("小数位数");
inline const QString kWholeCaption = QStringLiteral("整数");

inline const QString kDigitsMessage
    = QStringLiteral("输入位数错误！，第一因数位数为1-6位，第二因数位数为1-5位。");
// The middle-grade drill's message names 2 as the fewest questions per row
// and rows per page, although 1 is accepted; it is kept as teachers know it.
inline const QString kMiddleGradeCountsMessage = QStringLiteral(
    "可一次性每排输出2-50题，每页输出2-200排，每次输出1-40页。对不起！输入有误，谢谢使用。欢迎再来");
} // namespace MultiplyTexts

namespace Multiplication {
inline constexpr int kMaxFirstDigits = 6;
inline constexpr int kMaxSecondDigits = 5;
inline constexpr RowLayoutLimits kLayoutLimits { 50, 200, 40 };

// trunc(r × 10^digits), drawn again until strictly inside (10^(digits−1), 10^digits).
std::int64_t drawOperand(RandomSource& random, int digits);
Factors drawFactors(RandomSource& random, int firstDigits, int secondDigits);
// The factor pairs of the digit counts, and the one numbered index (0 to
// count − 1), first factors in order, then second factors.
std::int64_t distinctCount(int firstDigits, int secondDigits);
Factors factorsAt(int firstDigits, int secondDigits, std::int64_t index);
// Writes a×b= and, when shown, the product at the end of the line.
void writeQuestion(SheetLine& line, const Factors& factors, bool withAnswer);
QString questionText(const Factors& factors, bool withAnswer);
// Draws and writes a whole run of the drill, its loop one function with the
// draws and digits of each question, as a run may hold 400,000 questions.
bool runRows(const OperandRun& run, SheetOutputs& outputs);
// The middle-grade cell: 6 characters per digit of the first factor. A
// short first factor with a long second one overflows it.
int cellWidth(int firstDigits);
// The upper-grade cell: as wide as the middle-grade one, and never narrower
// than the longest question with its product and two spaces, so columns
// stay straight whatever the digit counts.
int alignedCellWidth(int firstDigits, int secondDigits);
// A decimal factor of `digits` digits with `places` places as written (3.25
// has three digits and two places): as a whole number strictly above
// 10^(digits−1) with its last digit not 0, so none of its places is a
// trailing zero. Counted, and the index-th from the smallest.
std::int64_t decimalFactorCount(int digits);
std::int64_t decimalFactorAt(int digits, std::int64_t index);
// The first factor a decimal; the second, after a coin toss drawn first, a
// whole number of the plain drill or a decimal of the same places.
DecimalFactors drawDecimalFactors(RandomSource& random, int firstDigits, int secondDigits, int places);
// The decimal questions, numbered first factor by first factor: the whole
// second factors, then the decimal ones.
std::int64_t decimalDistinctCount(int firstDigits, int secondDigits);
DecimalFactors decimalFactorsAt(int firstDigits, int secondDigits, int places, std::int64_t index);
// Writes a×b= and, when shown, the exact product, each number without
// trailing zeros after its point.
void writeDecimalQuestion(SheetLine& line, const DecimalFactors& factors, bool withAnswer);
// The aligned cell, never narrower than the longest decimal question with
// its product and two spaces.
int decimalCellWidth(int firstDigits, int secondDigits, int places);
// Draws and writes a whole run of decimal questions; run.option is the places.
bool runDecimalRows(const OperandRun& run, SheetOutputs& outputs);
// The grade's sheet names and cell width.
// places: the decimal places chosen, 0 for whole numbers.
RowSheet sheet(const MultiplyGradeRules& grade, int firstDigits, int secondDigits, int places = 0);
} // namespace Multiplication
