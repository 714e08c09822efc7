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

// The middle-grade drill (zdcs1) and the upper-grade one (gdcs1).
enum class MultiplyGrade { Middle, Upper };

namespace MultiplyTexts {
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
// "中段" or "高段".
QString stage(MultiplyGrade grade);
// The grade's sheet names and cell width.
RowSheet sheet(MultiplyGrade grade, int firstDigits, int secondDigits);
} // namespace Multiplication
