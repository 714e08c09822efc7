// SPDX-License-Identifier: GPL-3.0-or-later
// Chain questions: the terms each question holds, the order they are shown
// in, the order random values are used in, and the text lines of a row.

#include "TestSupport.h"

#include "drills/chains/ChainDrill.h"
#include "drills/chains/ChainRules.h"
#include "output/SheetOutputs.h"
#include "random/RandomSource.h"

#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <set>

using namespace ChainRules;

class TestChainRules : public QObject {
    Q_OBJECT

private slots:
    void rowFromChosenValues_data();
    void rowFromChosenValues();
    void questionsKeepTheirTerms_data();
    void questionsKeepTheirTerms();
    void slotBitsAreExactlyTheValuesPickingIt_data();
    void slotBitsAreExactlyTheValuesPickingIt();
    void shownOrderFavoursTheLastDrawnTermLast();
    void rowDrawsEveryQuestionBeforeOrderingAny();
    void exampleRowLines();
    void widestRowLines();
    void distinctColumnsAreCountedExactly_data();
    void distinctColumnsAreCountedExactly();
    void distinctRunDrawsAgainOnlyForARepeat_data();
    void distinctRunDrawsAgainOnlyForARepeat();
};

namespace {
// Drawing pass: subtracted terms for slots 1-2 (trunc(r × 10) − 10, −10
// refused), added terms for slots 3-7 (trunc(r × 10), 0 refused). These
// give slots −6 −3 1 2 3 4 5.
const QList<float> kPlainDraw { 0.45f, 0.75f, 0.15f, 0.25f, 0.35f, 0.45f, 0.55f };
// Ordering pass over those slots: the first term from slot trunc(r × 6) + 1
// = 4; then slots trunc(r × 7 + 0.05): 0 twice (refused), 1, 3, 3 again
// (used), 2, 5, 6, 6 again (used), 7.
const QList<float> kPlainOrder { 0.55f, 0.0f, 0.01f, 0.15f, 0.55f, 0.56f, 0.30f, 0.72f, 0.86f, 0.99f,
    0.995f };
const QList<int> kPlainShown { 2, -6, 1, -3, 3, 4, 5 };

// One row drawn on its own, as a run draws each of its rows.
template <typename Source> ChainRow drawChainRow(Source& source, int questions, int terms, int subtracted)
{
    ChainRow row;
    std::vector<std::vector<int>> drawn;
    drawChainRowInto(source, questions, terms, subtracted, row, drawn);
    return row;
}

QString formatTermLine(const ChainRow& row, int k)
{
    SheetLine line;
    writeTermLine(line, row, k);
    return line.text();
}

QString formatAnswerLine(const ChainRow& row)
{
    SheetLine line;
    writeAnswerLine(line, row);
    return line.text();
}
} // namespace

void TestChainRules::rowFromChosenValues_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QList<int>>("answers");

    QTest::addRow("one question") << 1 << kPlainDraw + kPlainOrder << kPlainShown << QList<int> { 6 };

    // −9 −9 1 3 4 5 5 sums to 0: all seven slots are drawn again (−1 −1 1 2 3
    // 4 9). The first term is then asked of slot 1 (negative, refused) and
    // slot 6.
    const QList<float> zeroSum { 0.05f, 0.15f, 0.15f, 0.05f, 0.15f, 0.35f, 0.45f, 0.55f, 0.55f, 0.95f, 0.95f,
        0.15f, 0.25f, 0.35f, 0.45f, 0.95f, 0.0f, 0.99f, 0.995f, 0.15f, 0.30f, 0.45f, 0.58f, 0.72f };
    QTest::addRow("a sum of zero draws all seven again")
        << 1 << zeroSum << QList<int> { 4, 9, -1, -1, 1, 2, 3 } << QList<int> { 17 };

    // Both drawing passes come before either ordering pass.
    QTest::addRow("two questions") << 2 << kPlainDraw + kPlainDraw + kPlainOrder + kPlainOrder
                                   << kPlainShown + kPlainShown << QList<int> { 6, 6 };
}

void TestChainRules::rowFromChosenValues()
{
    QFETCH(int, questions);
    QFETCH(QList<float>, values);
    QFETCH(QList<int>, shown);
    QFETCH(QList<int>, answers);
    ScriptedSource source { { values.cbegin(), values.cend() } };
    const ChainRow row = drawChainRow(source, questions, 7, 2);
    QList<int> actualShown;
    QList<int> actualAnswers;
    for (const ChainQuestion& q : row) {
        actualShown.append(QList<int>(q.shown.cbegin(), q.shown.cend()));
        actualAnswers.append(q.answer);
    }
    QCOMPARE(actualShown, shown);
    QCOMPARE(actualAnswers, answers);
    QVERIFY(source.values.empty());
}

void TestChainRules::questionsKeepTheirTerms_data()
{
    QTest::addColumn<int>("terms");
    QTest::addColumn<int>("subtracted");
    QTest::addRow("seven terms, two subtracted") << 7 << 2;
    QTest::addRow("five terms, one subtracted") << 5 << 1;
    QTest::addRow("ten terms, three subtracted") << 10 << 3;
}

void TestChainRules::questionsKeepTheirTerms()
{
    QFETCH(int, terms);
    QFETCH(int, subtracted);
    RandomSource random;
    RandomSource looping;
    OneAtATime oneAtATime { looping };
    int smallestAnswer = 100;
    for (int rowNumber = 0; rowNumber < 400; ++rowNumber) {
        const ChainRow row = drawChainRow(random, 51, terms, subtracted);
        QCOMPARE(row.size(), std::size_t { 51 });
        // The same row as drawing one value at a time, and the source left at the same place.
        const ChainRow looped = drawChainRow(oneAtATime, 51, terms, subtracted);
        QVERIFY(random == looping);
        for (std::size_t q = 0; q < row.size(); ++q) {
            QCOMPARE(row[q].shown, looped[q].shown);
        }
        for (const ChainQuestion& question : row) {
            QCOMPARE(int(question.shown.size()), terms);
            const auto negatives = std::count_if(
                question.shown.begin(), question.shown.end(), [](int t) { return t >= -9 && t <= -1; });
            const auto positives = std::count_if(
                question.shown.begin(), question.shown.end(), [](int t) { return t >= 1 && t <= 9; });
            QCOMPARE(int(negatives), subtracted);
            QCOMPARE(int(positives), terms - subtracted);
            QVERIFY(question.shown.front() > 0);
            QCOMPARE(question.answer, std::accumulate(question.shown.begin(), question.shown.end(), 0));
            QVERIFY(question.answer >= 1);
            smallestAnswer = std::min(smallestAnswer, question.answer);
        }
    }
    // Small totals still occur: the terms are not narrowed to keep the sum positive.
    QVERIFY(smallestAnswer <= 3);
}

void TestChainRules::slotBitsAreExactlyTheValuesPickingIt_data()
{
    QTest::addColumn<int>("terms");
    // The first 24-bit value picking each slot: trunc(r × terms + 0.05) taken
    // in double precision (in single precision several move by one).
    QTest::addColumn<QList<uint>>("firsts");
    QTest::addRow("five terms") << 5 << QList<uint> { 3187672, 6543115, 9898558, 13254001, 16609444 };
    QTest::addRow("seven terms") << 7
                                 << QList<uint> { 2276908, 4673654, 7070399, 9467144, 11863889, 14260634,
                                        16657379 };
    QTest::addRow("ten terms") << 10
                               << QList<uint> { 1593836, 3271558, 4949279, 6627001, 8304722, 9982444,
                                      11660166, 13337887, 15015609, 16693330 };
}

void TestChainRules::slotBitsAreExactlyTheValuesPickingIt()
{
    QFETCH(int, terms);
    QFETCH(QList<uint>, firsts);
    for (int slot = 1; slot <= terms; ++slot) {
        QCOMPARE(bitsPickingOf(slot, terms).lowest, firsts[slot - 1]);
    }
    // Every value there is lies in the range of the slot it picks; as the
    // ranges hold no more values than pick a slot, each is exact.
    std::uint64_t picking = 0;
    for (std::uint32_t bits = 0; bits < (1U << 24); ++bits) {
        const std::int64_t slot = slotPicked(RandomSource::valueOf(bits << 8), terms);
        if (slot == 0) {
            continue;
        }
        ++picking;
        const Draws::BitsRange& range = bitsPickingOf(static_cast<int>(slot), terms);
        if (bits < range.lowest || bits > range.highest) {
            QFAIL(qPrintable(QStringLiteral("value %1 picks slot %2").arg(bits).arg(slot)));
        }
    }
    std::uint64_t inRanges = 0;
    for (int slot = 1; slot <= terms; ++slot) {
        const Draws::BitsRange& range = bitsPickingOf(slot, terms);
        inRanges += range.highest - range.lowest + 1;
    }
    QCOMPARE(inRanges, picking);
}

void TestChainRules::shownOrderFavoursTheLastDrawnTermLast()
{
    // Distinct values tell which drawn slot each shown term came from.
    const std::vector<int> original { -2, -1, 3, 4, 5, 6, 7 };
    RandomSource random;
    constexpr int questions = 20000;
    std::array<int, 8> firstFrom {};
    int seventhLast = 0;
    for (int n = 0; n < questions; ++n) {
        std::vector<int> drawn = original;
        const std::vector<int> shown = orderTerms(random, drawn);
        QVERIFY(std::all_of(drawn.begin(), drawn.end(), [](int t) { return t == kUsed; }));
        std::vector<int> sorted = shown;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, original);
        ++firstFrom[static_cast<std::size_t>(std::abs(shown.front()))];
        seventhLast += shown.back() == 7 ? 1 : 0;
    }
    QCOMPARE(firstFrom[1] + firstFrom[2] + firstFrom[7], 0);
    for (int slot = 3; slot <= 6; ++slot) {
        const double share = double(firstFrom[static_cast<std::size_t>(slot)]) / questions;
        QVERIFY2(share > 0.23 && share < 0.27, qPrintable(QString::number(share)));
    }
    // About 0.889 expected; an even choice among the remaining slots gives 1/6.
    const double lastShare = double(seventhLast) / questions;
    QVERIFY2(lastShare > 0.87 && lastShare < 0.91, qPrintable(QString::number(lastShare)));
}

void TestChainRules::rowDrawsEveryQuestionBeforeOrderingAny()
{
    RandomSource random;
    random.next();
    RandomSource replay = random;
    const ChainRow row = drawChainRow(random, 51, 7, 2);

    std::vector<DrawnTerms> drawn;
    for (int q = 0; q < 51; ++q) {
        drawn.push_back(drawTerms(replay, 7, 2));
    }
    for (std::size_t q = 0; q < drawn.size(); ++q) {
        const std::vector<int> shown = orderTerms(replay, drawn[q].drawn);
        QCOMPARE(row[q].shown, shown);
        QCOMPARE(row[q].answer, drawn[q].sum);
    }
    QCOMPARE(random.next(), replay.next());
}

void TestChainRules::exampleRowLines()
{
    const ChainRow row { { { 2, -3, -5, 3, 7, 5, 7 }, 16 }, { { 7, 8, -3, 3, -2, 4, 9 }, 26 },
        { { 3, 5, -1, 7, 5, 4, -2 }, 21 } };
    const QStringList expected {
        QStringLiteral("       2       7       3"),
        QStringLiteral("      -3       8       5"),
        QStringLiteral("      -5      -3      -1"),
        QStringLiteral("       3       3       7"),
        QStringLiteral("       7      -2       5"),
        QStringLiteral("       5       4       4"),
        QStringLiteral("       7       9      -2"),
    };
    for (int k = 1; k <= 7; ++k) {
        QCOMPARE(formatTermLine(row, k), expected[k - 1]);
    }
    QCOMPARE(formatAnswerUnderline(3), QStringLiteral("  ------  ------  ------"));
    QCOMPARE(formatAnswerLine(row), QStringLiteral("      16      26      21"));
    QCOMPARE(separatorLine(3), QString(24, QLatin1Char('-')));
}

void TestChainRules::widestRowLines()
{
    RandomSource random;
    const ChainRow row = drawChainRow(random, 51, 7, 2);
    for (int k = 1; k <= 7; ++k) {
        QCOMPARE(formatTermLine(row, k).size(), 408);
    }
    QCOMPARE(formatAnswerLine(row).size(), 408);
    QCOMPARE(formatAnswerUnderline(51).size(), 408);
    QCOMPARE(separatorLine(51).size(), 408);
}

void TestChainRules::distinctColumnsAreCountedExactly_data()
{
    QTest::addColumn<int>("terms");
    QTest::addColumn<int>("subtracted");
    QTest::newRow("three terms, one subtracted") << 3 << 1;
    QTest::newRow("four terms, two subtracted") << 4 << 2;
    QTest::newRow("five terms, one subtracted") << 5 << 1;
    QTest::newRow("six terms, three subtracted") << 6 << 3;
}

// Every column of one-digit terms, counted one by one: the first term added,
// exactly `subtracted` of the others subtracted, a positive total.
void TestChainRules::distinctColumnsAreCountedExactly()
{
    QFETCH(int, terms);
    QFETCH(int, subtracted);
    qint64 columns = 0;
    std::vector<int> column(static_cast<std::size_t>(terms), 1);
    const auto step = [&column]() {
        for (int& term : column) {
            term = term == 9 ? -9 : term == -1 ? 1 : term + 1;
            if (term != 1) {
                return true;
            }
        }
        return false;
    };
    do {
        const auto negatives = std::count_if(column.begin(), column.end(), [](int t) { return t < 0; });
        if (column[0] > 0 && negatives == subtracted
            && std::accumulate(column.begin(), column.end(), 0) > 0) {
            ++columns;
        }
    } while (step());
    QCOMPARE(ChainDrill::distinctCount(terms, subtracted), columns);
}

void TestChainRules::distinctRunDrawsAgainOnlyForARepeat_data()
{
    QTest::addColumn<int>("terms");
    QTest::newRow("five terms") << 5;
    QTest::newRow("ten terms") << 10;
}

// The largest sheet without repeats draws each question whole, one after
// another, and draws it again only while that very column is on the sheet.
void TestChainRules::distinctRunDrawsAgainOnlyForARepeat()
{
    QFETCH(int, terms);
    const ChainDrillDefinition& sheet = terms == 5 ? ChainDrills::kFiveTerm : ChainDrills::kTenTerm;
    const ChainSettings settings { ChainDrill::kMaxPerRow, ChainDrill::kMaxRows, ChainDrill::kMaxPages, false,
        true };
    RandomSource random;
    RandomSource model = random;
    NoPrinterTarget noPrinter;
    SheetOutputs outputs(noPrinter, { false, false }, QString());
    QVERIFY(outputs.open());
    QVERIFY(ChainDrill::run(sheet, settings, random, outputs));

    std::set<std::vector<int>> onSheet;
    for (int q = 0; q < settings.perRow * settings.rowsPerPage * settings.pages; ++q) {
        std::vector<int> shown;
        do {
            DrawnTerms drawn = drawTerms(model, sheet.terms, sheet.subtracted);
            shown = orderTerms(model, drawn.drawn);
        } while (!onSheet.insert(shown).second);
    }
    QVERIFY(random == model);
}

QTEST_GUILESS_MAIN(TestChainRules)
#include "test_chain_rules.moc"
