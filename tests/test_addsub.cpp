// SPDX-License-Identifier: GPL-3.0-or-later
// The addition and subtraction drills (kindergarten, lower, middle and upper
// grades): the counted question spaces, and whole runs of the four windows read
// back from their sheet files.

#include "SheetCells.h"
#include "TestSupport.h"

#include "common/DistinctTexts.h"
#include "drills/addsub/AddSubSpace.h"
#include "drills/addsub/AddSubWindow.h"
#include "drills/rows/RowDrill.h"
#include "forms/RowForm.h"
#include "random/RandomSource.h"

#include <QDir>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

using namespace TestSupport;

namespace {
int digitsOf(qint64 value)
{
    return static_cast<int>(QString::number(value).size());
}

// The smallest number of that many digits, 1 for one digit.
qint64 lowestOf(int digits)
{
    return digits == 1 ? 1 : qint64(std::pow(10, digits - 1));
}

// Written column addition and subtraction: does some column carry (borrow)?
bool regroups(qint64 a, qint64 b, bool subtract)
{
    const qsizetype columns = std::max(QString::number(a).size(), QString::number(b).size());
    const QString x = QString::number(a).rightJustified(columns, QLatin1Char('0'));
    const QString y = QString::number(b).rightJustified(columns, QLatin1Char('0'));
    int carry = 0;
    bool regrouped = false;
    for (qsizetype i = columns - 1; i >= 0; --i) {
        const int top = x[i].digitValue();
        const int bottom = y[i].digitValue();
        carry = subtract ? (top - carry < bottom ? 1 : 0) : (top + bottom + carry >= 10 ? 1 : 0);
        regrouped = regrouped || carry == 1;
    }
    return regrouped;
}

// The carry choices: 不限 (any), 必须进位/退位 (always), 不进位/不退位 (never).
bool obeys(const QString& carryOption, qint64 a, qint64 b, bool subtract)
{
    return carryOption == QLatin1String(RowForm::kAnyCarry)
        || regroups(a, b, subtract) == (carryOption == QLatin1String(RowForm::kAlwaysCarry));
}

// What a run of the drill may write, by brute force: every operand pair of the
// digit counts (or within the limit) with a result of 0 or more (within the limit).
std::vector<qint64> candidates(const OperandRule& operands, bool subtract, CarryChoice carry)
{
    const QString option = carry == CarryChoice::Any ? RowForm::kAnyCarry
        : carry == CarryChoice::Always               ? RowForm::kAlwaysCarry
                                                     : RowForm::kNeverCarry;
    std::vector<qint64> keys;
    const auto consider = [&](qint64 a, qint64 b, qint64 highest) {
        const qint64 result = subtract ? a - b : a + b;
        if (result >= 0 && result <= highest && obeys(option, a, b, subtract)) {
            keys.push_back(a * 10000000 + b);
        }
    };
    if (const auto* limit = std::get_if<LimitOperands>(&operands)) {
        for (qint64 a = 1; a <= limit->limit; ++a) {
            for (qint64 b = 1; b <= limit->limit; ++b) {
                consider(a, b, limit->limit);
            }
        }
        return keys;
    }
    const auto& d = std::get<DigitOperands>(operands);
    const int first = subtract ? std::max(d.firstDigits, d.secondDigits) : d.firstDigits;
    const int second = subtract ? std::min(d.firstDigits, d.secondDigits) : d.secondDigits;
    for (qint64 a = lowestOf(first); a < 10 * lowestOf(first) || (first == 1 && a <= 9); ++a) {
        for (qint64 b = lowestOf(second); b < 10 * lowestOf(second) || (second == 1 && b <= 9); ++b) {
            consider(a, b, std::numeric_limits<qint64>::max());
        }
    }
    return keys;
}

// What a test row chooses in an add/subtract window; the rest stays as the window starts.
struct Choices {
    const AddSubDrillDefinition* drill = nullptr;
    int first = 0; // the limit for kindergarten
    int second = 0;
    const char* operation = RowForm::kMixed;
    const char* carry = RowForm::kAnyCarry;
    bool distinct = false;
    bool blank = false;
    QList<int> layout {}; // per row, rows, pages; empty: the test's own
    QString limit {}; // 得数不超过; empty: not ticked
    bool three = false; // three numbers
    int places = 0;
};

// Builds the window of the row's drill in the session and makes its choices.
void choose(DrillSession& session, const Choices& c, const QList<int>& layout)
{
    session.build(*c.drill);
    session.setText(RowForm::kFirstBox, QString::number(c.first));
    if (c.drill->maxDigits != 0) {
        session.setText(RowForm::kSecondBox, QString::number(c.second));
    }
    session.setText(RowForm::kPerRowBox, QString::number(layout[0]));
    session.setText(RowForm::kRowsBox, QString::number(layout[1]));
    session.setText(RowForm::kPagesBox, QString::number(layout[2]));
    session.choose(c.operation);
    session.choose(c.carry);
    if (c.blank) {
        session.choose(RowForm::kBlankForm);
    }
    session.tick(DistinctTexts::kCheckName, c.distinct);
    session.tick(RowForm::kLimitCheck, !c.limit.isEmpty());
    session.setText(RowForm::kLimitBox, c.limit);
    if (c.three) {
        session.tick(RowForm::kThreeNumbersCheck, true);
    }
    if (c.places > 0) {
        session.choose(RowForm::kPlacesOptions[c.places]);
    }
}
} // namespace

Q_DECLARE_METATYPE(Choices)

class TestAddSub : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }

    void operationChoiceIsApartFromTheAnswerChoice();

    void spaceNumbersEveryQuestionOfItsChoiceOnce_data();
    void spaceNumbersEveryQuestionOfItsChoiceOnce();
    void newChoicesHoldOverALargeRun_data();
    void newChoicesHoldOverALargeRun();
    void refusedChoicesGiveTheirMessageAndNoFile_data();
    void refusedChoicesGiveTheirMessageAndNoFile();
};

void TestAddSub::operationChoiceIsApartFromTheAnswerChoice()
{
    DrillSession session;
    session.build(AddSubDrills::kLower);
    session.choose(RowForm::kAddition);
    QVERIFY(session.chosen(DrillNames::kHideAnswers) && !session.chosen(RowForm::kMixed));
    session.choose(DrillNames::kShowAnswers);
    QVERIFY(session.chosen(RowForm::kAddition) && !session.chosen(DrillNames::kHideAnswers));
    session.choose(RowForm::kSubtraction);
    QVERIFY(session.chosen(DrillNames::kShowAnswers) && !session.chosen(RowForm::kAddition));
}

void TestAddSub::spaceNumbersEveryQuestionOfItsChoiceOnce_data()
{
    QTest::addColumn<int>("first"); // 0: a limit
    QTest::addColumn<int>("second"); // the limit
    for (const auto& [first, second] : std::vector<std::pair<int, int>> {
             { 1, 1 }, { 1, 2 }, { 2, 1 }, { 2, 2 }, { 3, 1 }, { 2, 3 }, { 3, 3 } }) {
        QTest::addRow("%d and %d digits", first, second) << first << second;
    }
    for (int limit : { 5, 9, 10, 11, 20 }) {
        QTest::addRow("within %d", limit) << 0 << limit;
    }
}

// Counted and numbered exactly: the numbers 0 … count−1 give each question that
// obeys the choice once, and no other.
void TestAddSub::spaceNumbersEveryQuestionOfItsChoiceOnce()
{
    QFETCH(int, first);
    QFETCH(int, second);
    const OperandRule operands
        = first == 0 ? OperandRule(LimitOperands { second }) : OperandRule(DigitOperands { first, second });
    for (const bool subtract : { false, true }) {
        for (const CarryChoice carry : { CarryChoice::Any, CarryChoice::Always, CarryChoice::Never }) {
            const AddSubSpace space(operands, subtract, carry);
            std::vector<qint64> numbered;
            for (qint64 i = 0; i < space.count(); ++i) {
                const AddSubQuestion q = space.at(i);
                QCOMPARE(q.subtract, subtract);
                numbered.push_back(q.a * 10000000 + q.b);
            }
            std::vector<qint64> expected = candidates(operands, subtract, carry);
            std::sort(numbered.begin(), numbered.end());
            std::sort(expected.begin(), expected.end());
            QVERIFY2(numbered == expected,
                qPrintable(QStringLiteral("%1 %2: %3 numbered, %4 expected")
                               .arg(subtract)
                               .arg(int(carry))
                               .arg(numbered.size())
                               .arg(expected.size())));
        }
    }
}

void TestAddSub::newChoicesHoldOverALargeRun_data()
{
    QTest::addColumn<Choices>("choices");
    namespace D = AddSubDrills;
    using namespace RowForm;
    const auto add
        = [](const char* name, const AddSubDrillDefinition* drill, int first, int second, Choices choices) {
              choices.drill = drill;
              choices.first = first;
              choices.second = second;
              QTest::newRow(name) << choices;
          };
    // The questions' digits, limits and operations with every other choice at its start.
    const auto plain
        = [&add](const char* name, const AddSubDrillDefinition* drill, int first, int second,
              const char* operation) { add(name, drill, first, second, { .operation = operation }); };
    plain("within 5 mixed", &D::kKindergarten, 5, 0, kMixed);
    plain("within 20 addition", &D::kKindergarten, 20, 0, kAddition);
    plain("within 20 subtraction", &D::kKindergarten, 20, 0, kSubtraction);
    plain("lower 1 and 1 mixed", &D::kLower, 1, 1, kMixed);
    plain("lower 1 and 2 subtraction", &D::kLower, 1, 2, kSubtraction);
    plain("lower 2 and 2 subtraction", &D::kLower, 2, 2, kSubtraction);
    plain("lower 2 and 1 addition", &D::kLower, 2, 1, kAddition);
    plain("middle 4 and 1 mixed", &D::kMiddle, 4, 1, kMixed);
    plain("middle 1 and 4 mixed", &D::kMiddle, 1, 4, kMixed);
    plain("middle 4 and 4 subtraction", &D::kMiddle, 4, 4, kSubtraction);
    plain("middle 3 and 3 addition", &D::kMiddle, 3, 3, kAddition);
    plain("upper 5 and 6 addition", &D::kUpper, 5, 6, kAddition);
    plain("upper 6 and 6 mixed", &D::kUpper, 6, 6, kMixed);
    plain("upper 3 and 6 subtraction", &D::kUpper, 3, 6, kSubtraction);
    add("within 10 carrying, every one of the 18", &D::kKindergarten, 10, 0,
        { .carry = kAlwaysCarry, .distinct = true, .layout = { 3, 6, 1 } });
    add("within 20 without carrying, blanks", &D::kKindergarten, 20, 0,
        { .operation = kAddition, .carry = kNeverCarry, .blank = true });
    add("within 20 borrowing, blanks", &D::kKindergarten, 20, 0,
        { .operation = kSubtraction, .carry = kAlwaysCarry, .blank = true });
    add("within 20 mixed, blanks, distinct", &D::kKindergarten, 20, 0,
        { .distinct = true, .blank = true, .layout = { 20, 10, 1 } });
    add("lower 1 and 1 mixed, every one of the 126", &D::kLower, 1, 1,
        { .distinct = true, .layout = { 18, 7, 1 } });
    add("lower 2 and 1 carrying mixed, blanks", &D::kLower, 2, 1, { .carry = kAlwaysCarry, .blank = true });
    add("lower 2 and 2 borrowing, distinct", &D::kLower, 2, 2,
        { .operation = kSubtraction, .carry = kAlwaysCarry, .distinct = true, .layout = { 20, 50, 1 } });
    add("middle 4 and 4 without borrowing", &D::kMiddle, 4, 4,
        { .operation = kSubtraction, .carry = kNeverCarry });
    add("middle 1 and 4 without carrying mixed", &D::kMiddle, 1, 4,
        { .carry = kNeverCarry, .distinct = true });
    add("upper 6 and 6 carrying", &D::kUpper, 6, 6, { .operation = kAddition, .carry = kAlwaysCarry });
    add("upper 6 and 6 borrowing", &D::kUpper, 6, 6,
        { .operation = kSubtraction, .carry = kAlwaysCarry, .distinct = true });
    add("upper 3 and 6 borrowing mixed", &D::kUpper, 3, 6, { .carry = kAlwaysCarry, .distinct = true });
    // 得数不超过: on every result, and a subtraction's minuend.
    add("within 20 mixed, results up to 12, every one of the 144", &D::kKindergarten, 20, 0,
        { .distinct = true, .layout = { 12, 12, 1 }, .limit = "12" });
    add("lower 2 and 1 carrying, results up to 30, blanks", &D::kLower, 2, 1,
        { .operation = kAddition, .carry = kAlwaysCarry, .blank = true, .limit = "30" });
    add("lower 2 and 1 mixed, results up to 20, distinct", &D::kLower, 2, 1,
        { .distinct = true, .layout = { 10, 10, 1 }, .limit = "20" });
    add("upper 6 and 6 borrowing, up to 200000", &D::kUpper, 6, 6,
        { .operation = kSubtraction, .carry = kAlwaysCarry, .limit = "200000" });
    // Three numbers: every step carries (borrows) or none does, no result below 0.
    add("lower 1 and 1 chains, up to 20, blanks", &D::kLower, 1, 1,
        { .operation = kAddition, .blank = true, .limit = "20", .three = true });
    add("lower 2 and 1 chains borrowing, distinct", &D::kLower, 2, 1,
        { .operation = kSubtraction,
            .carry = kAlwaysCarry,
            .distinct = true,
            .layout = { 20, 10, 1 },
            .three = true });
    add("lower 2 and 2 mixed chains without regrouping, up to 99", &D::kLower, 2, 2,
        { .carry = kNeverCarry, .limit = "99", .three = true });
    add("middle 4 and 3 mixed chains carrying, up to 5000, distinct", &D::kMiddle, 4, 3,
        { .carry = kAlwaysCarry, .distinct = true, .limit = "5000", .three = true });
    // A shorter first number has no a−b+c, yet its a+b−c make a mixed sheet (7+33−21).
    add("lower 1 and 2 mixed chains, the first shorter", &D::kLower, 1, 2, { .three = true });
    add("middle 3 and 1 mixed chains, the first longer", &D::kMiddle, 3, 1, { .three = true });
    add("middle 2 and 2 mixed chains, equal, distinct", &D::kMiddle, 2, 2,
        { .distinct = true, .three = true });
    // Decimals: every operand with exactly its places, the last not 0, and
    // its digits as written; carrying on them; exact results.
    add("upper 3 and 2, one place", &D::kUpper, 3, 2, { .places = 1 });
    add("upper 2 and 2, two places", &D::kUpper, 2, 2, { .places = 2 });
    add("upper 6 and 1, one place, carrying", &D::kUpper, 6, 1, { .carry = kAlwaysCarry, .places = 1 });
    add("upper 2 and 1, two places, borrowing, distinct", &D::kUpper, 2, 1,
        { .operation = kSubtraction,
            .carry = kAlwaysCarry,
            .distinct = true,
            .layout = { 20, 10, 1 },
            .places = 2 });
    add("upper 4 and 3, two places, without carrying, up to 50", &D::kUpper, 4, 3,
        { .carry = kNeverCarry, .limit = "50", .places = 2 });
}

void TestAddSub::newChoicesHoldOverALargeRun()
{
    QFETCH(Choices, choices);
    const QList<int> layout = choices.layout.isEmpty() ? QList<int> { 20, 50, 4 } : choices.layout;
    const AddSubDrillDefinition* drill = choices.drill;
    const int first = choices.first;
    const int second = choices.second;
    const bool distinct = choices.distinct;
    const bool blank = choices.blank;
    const bool three = choices.three;
    const int places = choices.places;
    const QString operation = QString::fromLatin1(choices.operation);
    const QString carry = QString::fromLatin1(choices.carry);
    const int limit = choices.limit.toInt(); // 0: not ticked
    const bool limited = drill->maxDigits == 0;
    NoPrinterTarget noPrinter;
    DrillSession session(noPrinter);
    choose(session, choices, layout);
    session.choose(DrillNames::kShowAnswers);
    const RandomSource before = session.random;
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());

    const QStringList files = QDir(session.dir.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    const QStringList lines = sheetValues(session.dir.filePath(files[0]));
    QCOMPARE(lines.size(), 2 + layout[1] * layout[2]);
    const int width = SheetCells::cellWidth(lines[2], layout[0]);
    QSet<QString> seen;
    int withMinus = 0; // questions with a − in them
    int withPlus = 0;
    // The plain draw's reach: first numbers and results by operation, and the extreme operands.
    std::array<QSet<qint64>, 2> firsts;
    std::array<QSet<qint64>, 2> results;
    qint64 smallest = std::numeric_limits<qint64>::max();
    qint64 largest = 0;
    for (const QString& cell : SheetCells::cellsOf(lines.mid(2), layout[0], width)) {
        // Two or three numbers, one of them in brackets in the blank form (the
        // answer stands there), each number with exactly `places` places.
        const auto question = SheetCells::readAddSubCell(cell, places);
        QVERIFY2(question, qPrintable(cell));
        for (const int written : question->writtenPlaces) {
            QVERIFY2(written == places, qPrintable(cell));
        }
        const std::vector<qint64>& numbers = question->numbers;
        const std::vector<bool>& subtract = question->subtract;
        QCOMPARE(numbers.size(), three ? 3U : 2U);
        // The blank: of two numbers the second addend or the minuend, of three the second.
        QCOMPARE(question->bracketed, !blank ? -1 : (!three && subtract[0]) ? 0 : 1);
        // Each step from the first number on: never below 0, carrying as
        // chosen, every result (and the first number) within the limit.
        const qint64 unit = places == 0 ? 1 : places == 1 ? 10 : 100;
        qint64 result = numbers[0];
        QVERIFY2(limit == 0 || result <= limit * unit, qPrintable(cell));
        for (std::size_t step = 0; step < subtract.size(); ++step) {
            QVERIFY2(obeys(carry, result, numbers[step + 1], subtract[step]), qPrintable(cell));
            result += subtract[step] ? -numbers[step + 1] : numbers[step + 1];
            QVERIFY2(result >= 0 && (limit == 0 || result <= limit * unit), qPrintable(cell));
        }
        QCOMPARE(question->result, result);
        const qint64 a = numbers[0];
        const qint64 b = numbers[1];
        if (limited) {
            QVERIFY2(a >= 1 && b >= 1 && a <= first && b <= first && (subtract[0] || a + b <= first),
                qPrintable(cell));
        } else if (three) {
            QCOMPARE(digitsOf(a), first);
            QCOMPARE(digitsOf(b), second);
            QCOMPARE(digitsOf(numbers[2]), second);
        } else {
            // The digits as written: those of the whole number of the last place.
            QCOMPARE(digitsOf(a), subtract[0] ? std::max(first, second) : first);
            QCOMPARE(digitsOf(b), subtract[0] ? std::min(first, second) : second);
        }
        QVERIFY2(!distinct || !seen.contains(cell.trimmed()), qPrintable(cell));
        seen.insert(cell.trimmed());
        withMinus += std::count(subtract.begin(), subtract.end(), true) > 0 ? 1 : 0;
        withPlus += std::count(subtract.begin(), subtract.end(), false) > 0 ? 1 : 0;
        firsts[subtract[0] ? 1 : 0].insert(a);
        results[subtract[0] ? 1 : 0].insert(question->result);
        smallest = std::min({ smallest, a, b });
        largest = std::max({ largest, a, b });
    }
    if (carry == QLatin1String(RowForm::kAnyCarry) && !distinct && !blank && limit == 0 && !three
        && places == 0) {
        if (limited) {
            // Every first number and every result within the limit occurs:
            // a+b from 2 to the limit, a−b from 0 to one below it.
            for (const int k : { 0, 1 }) {
                if (!firsts[k].isEmpty()) {
                    QCOMPARE(firsts[k].size(), k == 1 ? first : first - 1);
                    QCOMPARE(results[k].size(), first - 1 + k);
                }
            }
        } else if (std::max(first, second) <= 3) {
            // Small ranges are covered end to end, 1 and 10 included.
            QCOMPARE(smallest, lowestOf(std::min(first, second)));
            QCOMPARE(largest, qint64(std::pow(10, std::max(first, second))) - 1);
        }
    }
    const int questions = layout[0] * layout[1] * layout[2];
    QCOMPARE(withMinus == 0, operation == QLatin1String(RowForm::kAddition));
    QCOMPARE(withPlus == 0, operation == QLatin1String(RowForm::kSubtraction));
    if (operation == QLatin1String(RowForm::kMixed) && carry == QLatin1String(RowForm::kAnyCarry) && !distinct
        && limit == 0 && !three) {
        // Mixed: about as many subtractions as additions.
        QVERIFY2(withMinus > questions * 45 / 100 && withMinus < questions * 55 / 100,
            qPrintable(QString::number(withMinus)));
    }
    QVERIFY(
        session.text(RowForm::kCompletion).startsWith(QStringLiteral("智能生成[%1]题已完成").arg(questions)));

    // The same sheet again from a copy of the random source: the questions
    // used belong to the run, not to the window.
    const QByteArray sheet = readBytes(session.dir.filePath(files[0]));
    session.random = before;
    session.generate();
    QCOMPARE(readBytes(session.dir.filePath(files[0])), sheet);
    if (!blank) {
        return;
    }
    // Two characters wider than the result form's 12, for the brackets; and
    // without answers the same questions with their brackets empty.
    QCOMPARE(width, 14);
    session.random = before;
    session.choose(DrillNames::kHideAnswers);
    session.generate();
    const QStringList withoutAnswers = sheetValues(session.dir.filePath(files[0]));
    QCOMPARE(withoutAnswers.size(), lines.size());
    static const QRegularExpression answer(QStringLiteral("\\(\\d+\\)"));
    for (int i = 2; i < lines.size(); ++i) {
        QCOMPARE(withoutAnswers[i].size(), lines[i].size());
        for (int k = 0; k < layout[0]; ++k) {
            const qsizetype at = RowDrill::kIndent + k * width;
            QCOMPARE(withoutAnswers[i].mid(at, width),
                lines[i]
                    .mid(at, width)
                    .trimmed()
                    .replace(answer, QStringLiteral("( )"))
                    .leftJustified(width));
        }
    }
}

void TestAddSub::refusedChoicesGiveTheirMessageAndNoFile_data()
{
    QTest::addColumn<Choices>("choices");
    QTest::addColumn<QString>("message");
    namespace D = AddSubDrills;
    using namespace RowForm;
    const auto refused = [](const char* name, const AddSubDrillDefinition* drill, int first, int second,
                             Choices choices, const QString& message) {
        choices.drill = drill;
        choices.first = first;
        choices.second = second;
        QTest::newRow(name) << choices << message;
    };
    const QString again = QStringLiteral("，请重新选择进位退位。");
    refused("within 9 carrying", &D::kKindergarten, 9, 0, { .operation = kAddition, .carry = kAlwaysCarry },
        QStringLiteral("在所选的计算范围内出不了必须进位的加法题") + again);
    refused("within 9 borrowing", &D::kKindergarten, 9, 0,
        { .operation = kSubtraction, .carry = kAlwaysCarry },
        QStringLiteral("在所选的计算范围内出不了必须退位的减法题") + again);
    refused("within 9 mixed carrying, neither kind", &D::kKindergarten, 9, 0,
        { .carry = kAlwaysCarry, .distinct = true },
        QStringLiteral("在所选的计算范围内出不了必须进位的加法题或必须退位的减法题") + again);
    refused("lower 1 and 1 borrowing", &D::kLower, 1, 1, { .operation = kSubtraction, .carry = kAlwaysCarry },
        QStringLiteral("按所选的位数出不了必须退位的减法题") + again);
    refused("within 10 carrying, 19 asked", &D::kKindergarten, 10, 0,
        { .carry = kAlwaysCarry, .distinct = true, .layout = { 19, 1, 1 } },
        QStringLiteral("题目不重复时，按所选设置最多只能出18道不同的题，请减少题数。"));
    refused("lower 1 and 1, 128 asked", &D::kLower, 1, 1, { .distinct = true, .layout = { 1, 4, 32 } },
        QStringLiteral("题目不重复时，按所选设置最多只能出126道不同的题，请减少题数。"));
    refused("lower 2 and 2 additions without carrying, 2000 asked", &D::kLower, 2, 2,
        { .operation = kAddition, .carry = kNeverCarry, .distinct = true, .layout = { 20, 50, 2 } },
        QStringLiteral("题目不重复时，按所选设置最多只能出1980道不同的题，请减少题数。"));
    // Only the choices in play, in the window's words: 幼儿加减 has a 计算范围, not 位数.
    refused("lower 2 and 2 additions, results up to 15", &D::kLower, 2, 2,
        { .operation = kAddition, .limit = "15" },
        QStringLiteral("按所选的位数、加法和得数不超过15出不了题，请重新选择。"));
    refused("within 20 additions, results up to 1", &D::kKindergarten, 20, 0,
        { .operation = kAddition, .limit = "1" },
        QStringLiteral("按所选的计算范围、加法和得数不超过1出不了题，请重新选择。"));
    refused("lower 1 and 1 chains, every step borrowing", &D::kLower, 1, 1,
        { .operation = kSubtraction, .carry = kAlwaysCarry, .three = true },
        QStringLiteral("按所选的位数、减法、三个数连加减和必须进位/退位出不了题，请重新选择。"));
    refused("lower 1 and 2 chains of subtractions, the first shorter", &D::kLower, 1, 2,
        { .operation = kSubtraction, .three = true },
        QStringLiteral("按所选的位数、减法和三个数连加减出不了题，请重新选择。"));
    refused("middle 1 and 2 mixed chains, results up to 5", &D::kMiddle, 1, 2,
        { .limit = "5", .three = true },
        QStringLiteral("按所选的位数、加减混合、三个数连加减和得数不超过5出不了题，请重新选择。"));
    refused("upper 2 and 2 additions, one place, results up to 2", &D::kUpper, 2, 2,
        { .operation = kAddition, .limit = "2", .places = 1 },
        QStringLiteral("按所选的位数、加法、一位小数和得数不超过2出不了题，请重新选择。"));
    refused("upper 2 and 2 with 得数不超过 0", &D::kUpper, 2, 2, { .limit = "0" },
        AddSubTexts::kResultLimitMessage);
    refused("lower 2 and 1 with 得数不超过 not a number", &D::kLower, 2, 1, { .limit = "2O", .three = true },
        AddSubTexts::kResultLimitMessage);
}

void TestAddSub::refusedChoicesGiveTheirMessageAndNoFile()
{
    QFETCH(Choices, choices);
    QFETCH(QString, message);
    NoPrinterTarget noPrinter;
    DrillSession session(noPrinter);
    choose(session, choices, choices.layout.isEmpty() ? QList<int> { 1, 1, 1 } : choices.layout);
    session.generate();
    QCOMPARE(session.messages.messages, QStringList { message });
    QVERIFY(QDir(session.dir.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(session.text(RowForm::kCompletion).isEmpty());
}

QTEST_MAIN(TestAddSub)
#include "test_addsub.moc"
