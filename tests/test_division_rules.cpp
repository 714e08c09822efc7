// SPDX-License-Identifier: GPL-3.0-or-later
// Division questions, the set shuffle, cells and the checks of the settings grid.

#include "TestSupport.h"

#include "drills/divide/Division.h"
#include "random/DistinctDraws.h"
#include "random/RandomSource.h"

#include <QSet>
#include <QTest>
#include <algorithm>
#include <numeric>

namespace {
using Grid = std::vector<KindBoxes>;

constexpr float kLargestValue = 1.0f - 1.0f / 16777216.0f;

// The value r that picks pool position k of total when r × total is exact.
float valuePicking(int k, int total)
{
    return static_cast<float>(k - 1) / static_cast<float>(total);
}

std::vector<SetEntry> pool(std::initializer_list<std::pair<const char*, int>> entries)
{
    std::vector<SetEntry> result;
    for (const auto& [text, answer] : entries) {
        result.push_back({ QString::fromUtf8(text), answer });
    }
    return result;
}

QStringList entryKeys(const std::vector<SetEntry>& entries)
{
    QStringList keys;
    for (const SetEntry& e : entries) {
        keys.append(e.text + QString::number(e.answer));
    }
    keys.sort();
    return keys;
}

// True when both sources give the same next values, that is, stand at the same place.
bool samePlace(RandomSource a, RandomSource b)
{
    for (int i = 0; i < 4; ++i) {
        if (a.next() != b.next()) {
            return false;
        }
    }
    return true;
}

// The 24 bits of a value, r × 2^24.
std::uint32_t bitsOf(float r)
{
    return static_cast<std::uint32_t>(r * 16777216.0f);
}

Grid defaultGrid()
{
    return { { 2, 1, 30 }, { 3, 1, 30 }, { 3, 2, 20 }, { 4, 2, 0 } };
}

Grid withBox(Grid grid, int kind, int box, std::optional<int> value)
{
    KindBoxes& k = grid[static_cast<std::size_t>(kind - 1)];
    (box == 1 ? k.first : box == 2 ? k.second : k.count) = value;
    return grid;
}
} // namespace

class TestDivisionRules : public QObject {
    Q_OBJECT

private slots:
    void truncScaledIsExact_data();
    void truncScaledIsExact();
    void indicesFollowTheirDrawingRule_data();
    void indicesFollowTheirDrawingRule();
    void questionFromChosenValues_data();
    void questionFromChosenValues();
    void questionsAreExactDivisionsInsideTheirBounds_data();
    void questionsAreExactDivisionsInsideTheirBounds();
    void fittingQuotientBitsAreExactlyTheAcceptedValues_data();
    void fittingQuotientBitsAreExactlyTheAcceptedValues();
    void searchStopsWhereTheLoopStops_data();
    void searchStopsWhereTheLoopStops();
    void drawnValuesCoverTheirWholeRange_data();
    void drawnValuesCoverTheirWholeRange();
    void setIsThePoolInKindOrderThenShuffled_data();
    void setIsThePoolInKindOrderThenShuffled();
    void emptySetDrawsNoValue();
    void shuffleKeepsEveryEntryOnce_data();
    void shuffleKeepsEveryEntryOnce();
    void shufflePositionRoundsInSinglePrecision_data();
    void shufflePositionRoundsInSinglePrecision();
    void shuffleDrawsAgainForTakenAndPastTheEnd();
    void cells_data();
    void cells();
    void gridChecks_data();
    void gridChecks();
};

void TestDivisionRules::questionFromChosenValues_data()
{
    QTest::addColumn<int>("dividendDigits");
    QTest::addColumn<int>("divisorDigits");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QString>("question");
    // Divisor trunc(r × 10^d) first, drawn again until strictly inside its
    // bounds; then quotients trunc(r × 10^D) until the product is.
    QTest::addRow("2÷1, every rejection")
        << 2 << 1 << false << QList<float> { 0.05f, 0.1f, 0.35f, 0.02f, 0.5f, 0.07f }
        << QStringLiteral("21÷3=7");
    QTest::addRow("3÷2, divisor 10 and dividend 96 refused")
        << 3 << 2 << false << QList<float> { 0.1f, 0.125f, 0.0085f, 0.0205f } << QStringLiteral("240÷12=20");
    // 85902 × 50000 needs more than 32 bits; wrapped to 32 bits it would be
    // 132704, a six-digit dividend.
    QTest::addRow("6÷5, a product past 32 bits refused")
        << 6 << 5 << false << QList<float> { 0.5f, 0.0859025f, 0.0000125f }
        << QStringLiteral("600000÷50000=12");
    // One draw among the quotients that fit: 4 to 33 for divisor 3 in 2÷1,
    // 3 to 19 for divisor 50000 in 6÷5.
    QTest::addRow("2÷1, quotient in range")
        << 2 << 1 << true << QList<float> { 0.35f, 0.5f } << QStringLiteral("57÷3=19");
    QTest::addRow("6÷5, lowest quotient in range")
        << 6 << 5 << true << QList<float> { 0.5f, 0.0f } << QStringLiteral("150000÷50000=3");
    QTest::addRow("6÷5, highest quotient in range")
        << 6 << 5 << true << QList<float> { 0.5f, kLargestValue } << QStringLiteral("950000÷50000=19");
}

void TestDivisionRules::questionFromChosenValues()
{
    QFETCH(int, dividendDigits);
    QFETCH(int, divisorDigits);
    QFETCH(bool, inRange);
    QFETCH(QList<float>, values);
    QFETCH(QString, question);
    ScriptedSource source { { values.cbegin(), values.cend() } };
    const DivisionQuestion q = drawDivisionQuestion(source, { dividendDigits, divisorDigits, 1 },
        inRange ? QuotientDraw::InRange : QuotientDraw::Rejection);
    SheetLine text;
    DivisionRules::writeQuestion(text, q, true);
    QCOMPARE(text.text(), question);
    QVERIFY(source.values.empty());
}

void TestDivisionRules::questionsAreExactDivisionsInsideTheirBounds_data()
{
    QTest::addColumn<int>("dividendDigits");
    QTest::addColumn<int>("divisorDigits");
    QTest::addColumn<bool>("inRange");
    for (int big = 1; big <= DivisionRules::kMaxDividendDigits; ++big) {
        for (int small = 1; small <= std::min(big, DivisionRules::kMaxDivisorDigits); ++small) {
            QTest::addRow("%d÷%d", big, small) << big << small << false;
            QTest::addRow("%d÷%d, quotient in range", big, small) << big << small << true;
        }
    }
}

void TestDivisionRules::questionsAreExactDivisionsInsideTheirBounds()
{
    QFETCH(int, dividendDigits);
    QFETCH(int, divisorDigits);
    QFETCH(bool, inRange);
    const DivisionKind kind { dividendDigits, divisorDigits, 1 };
    const DivisionBounds b = DivisionRules::bounds(kind);
    RandomSource random;
    RandomSource looping;
    OneAtATime oneAtATime { looping };
    for (int i = 0; i < 400; ++i) {
        const QuotientDraw draw = inRange ? QuotientDraw::InRange : QuotientDraw::Rejection;
        const DivisionQuestion q = drawDivisionQuestion(random, kind, draw);
        // The same question as drawing one value at a time, and the source left at the same place.
        const DivisionQuestion looped = drawDivisionQuestion(oneAtATime, kind, draw);
        QCOMPARE(q.dividend, looped.dividend);
        QCOMPARE(q.divisor, looped.divisor);
        QVERIFY(random == looping);
        QCOMPARE(static_cast<std::int64_t>(q.quotient) * q.divisor, static_cast<std::int64_t>(q.dividend));
        QVERIFY2(q.dividend > b.dividendLow && q.dividend < b.dividendHigh,
            qPrintable(QString::number(q.dividend)));
        QVERIFY2(
            q.divisor > b.divisorLow && q.divisor < b.divisorHigh, qPrintable(QString::number(q.divisor)));
        QVERIFY(q.quotient > 1 || dividendDigits == divisorDigits);
        QCOMPARE(DivisionRules::questionText(q),
            QStringLiteral("%1÷%2=").arg(QString::number(q.dividend), QString::number(q.divisor)));
    }
}

void TestDivisionRules::fittingQuotientBitsAreExactlyTheAcceptedValues_data()
{
    QTest::addColumn<int>("dividendDigits");
    QTest::addColumn<int>("divisorDigits");
    QTest::addColumn<int>("divisor");
    QTest::addRow("1÷1 by 2") << 1 << 1 << 2;
    QTest::addRow("1÷1 by 9") << 1 << 1 << 9;
    QTest::addRow("2÷1 by 2") << 2 << 1 << 2;
    QTest::addRow("2÷1 by 9") << 2 << 1 << 9;
    QTest::addRow("2÷2 by 99") << 2 << 2 << 99;
    QTest::addRow("4÷3 by 333") << 4 << 3 << 333;
    QTest::addRow("6÷1 by 2") << 6 << 1 << 2;
    QTest::addRow("6÷1 by 7") << 6 << 1 << 7;
    QTest::addRow("5÷5 by 99999") << 5 << 5 << 99999;
    QTest::addRow("6÷5 by 10001") << 6 << 5 << 10001;
    QTest::addRow("6÷5 by 54321") << 6 << 5 << 54321;
    QTest::addRow("6÷5 by 99999") << 6 << 5 << 99999;
}

void TestDivisionRules::fittingQuotientBitsAreExactlyTheAcceptedValues()
{
    QFETCH(int, dividendDigits);
    QFETCH(int, divisorDigits);
    QFETCH(int, divisor);
    const DivisionBounds b = DivisionRules::bounds({ dividendDigits, divisorDigits, 1 });
    const Draws::BitsRange fitting = DivisionRules::fittingQuotientBits(b, divisor);
    // Every value r there is, tested as the rejection loop tests it.
    for (std::uint32_t bits = 0; bits < (1U << 24); ++bits) {
        const std::int64_t dividend
            = RandomSource::truncScaled(RandomSource::valueOf(bits << 8), b.dividendHigh) * divisor;
        const bool accepted = dividend > b.dividendLow && dividend < b.dividendHigh;
        if (accepted != (bits >= fitting.lowest && bits <= fitting.highest)) {
            QFAIL(qPrintable(QStringLiteral("value %1: range %2 to %3")
                                 .arg(bits)
                                 .arg(fitting.lowest)
                                 .arg(fitting.highest)));
        }
    }
}

void TestDivisionRules::searchStopsWhereTheLoopStops_data()
{
    QTest::addColumn<int>("lanes");
    QTest::addColumn<uint>("lowest");
    QTest::addColumn<uint>("highest");
    QTest::addColumn<int>("searches");
    for (const SearchLanes lanes : { SearchLanes::One, SearchLanes::Avx2 }) {
        if (lanes == SearchLanes::Avx2 && !RandomSource::avx2Available()) {
            continue;
        }
        const char* name = lanes == SearchLanes::One ? "one lane" : "AVX2";
        const int l = static_cast<int>(lanes);
        // Each search starts one value later than the one before, so the
        // accepted value falls in every lane of a round.
        QTest::addRow("%s, every value", name) << l << 0U << 0xFFFFFFU << 40;
        QTest::addRow("%s, half the values", name) << l << 0x800000U << 0xFFFFFFU << 40;
        QTest::addRow("%s, the lowest 16", name) << l << 0U << 15U << 40;
        QTest::addRow("%s, the highest 16", name) << l << 0xFFFFF0U << 0xFFFFFFU << 40;
        QTest::addRow("%s, 6÷5 quotients by 10001", name) << l << 1510U << 1677U << 20;
        QTest::addRow("%s, only the lowest", name) << l << 0U << 0U << 2;
        QTest::addRow("%s, only the highest", name) << l << 0xFFFFFFU << 0xFFFFFFU << 2;
    }
}

void TestDivisionRules::searchStopsWhereTheLoopStops()
{
    QFETCH(int, lanes);
    QFETCH(uint, lowest);
    QFETCH(uint, highest);
    QFETCH(int, searches);
    RandomSource start;
    for (int i = 0; i < searches; ++i) {
        RandomSource searching = start;
        RandomSource looping = start;
        const float found = searching.nextWithin(lowest, highest, static_cast<SearchLanes>(lanes));
        float r = 0;
        do {
            r = looping.next();
        } while (bitsOf(r) < lowest || bitsOf(r) > highest);
        QCOMPARE(found, r);
        QCOMPARE(searching.draws(), looping.draws());
        QVERIFY(searching == looping);
        start.next();
    }
}

void TestDivisionRules::drawnValuesCoverTheirWholeRange_data()
{
    QTest::addColumn<int>("dividendDigits");
    QTest::addColumn<int>("divisorDigits");
    QTest::addColumn<bool>("quotients");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<QList<int>>("values");
    QTest::addRow("one-digit divisors are 2 to 9")
        << 1 << 1 << false << false << QList<int> { 2, 3, 4, 5, 6, 7, 8, 9 };
    QTest::addRow("2÷2 quotients are 1 to 9")
        << 2 << 2 << true << false << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9 };
    QTest::addRow("2÷2 quotients in range are 1 to 9")
        << 2 << 2 << true << true << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9 };
    QTest::addRow("2÷1 quotients in range are 2 to 49") << 2 << 1 << true << true << [] {
        QList<int> all;
        for (int q = 2; q <= 49; ++q) {
            all.append(q);
        }
        return all;
    }();
}

void TestDivisionRules::drawnValuesCoverTheirWholeRange()
{
    QFETCH(int, dividendDigits);
    QFETCH(int, divisorDigits);
    QFETCH(bool, quotients);
    QFETCH(bool, inRange);
    QFETCH(QList<int>, values);
    RandomSource random;
    QSet<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const DivisionQuestion q = drawDivisionQuestion(random, { dividendDigits, divisorDigits, 1 },
            inRange ? QuotientDraw::InRange : QuotientDraw::Rejection);
        seen.insert(quotients ? q.quotient : q.divisor);
    }
    QList<int> sorted = seen.values();
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(sorted, values);
}

void TestDivisionRules::setIsThePoolInKindOrderThenShuffled_data()
{
    using Kinds = std::array<DivisionKind, DivisionRules::kKinds>;
    QTest::addColumn<Kinds>("kinds");
    QTest::addColumn<int>("warmUp");
    QTest::addRow("default settings")
        << Kinds { { { 2, 1, 30 }, { 3, 1, 30 }, { 3, 2, 20 }, { 4, 2, 0 } } } << 0;
    QTest::addRow("only the third kind")
        << Kinds { { { 2, 1, 0 }, { 3, 1, 0 }, { 5, 3, 7 }, { 4, 2, 0 } } } << 3;
    QTest::addRow("widest kinds, full set")
        << Kinds { { { 6, 5, 50 }, { 6, 4, 50 }, { 5, 5, 50 }, { 1, 1, 50 } } } << 11;
}

void TestDivisionRules::setIsThePoolInKindOrderThenShuffled()
{
    using Kinds = std::array<DivisionKind, DivisionRules::kKinds>;
    QFETCH(Kinds, kinds);
    QFETCH(int, warmUp);
    RandomSource random;
    for (int i = 0; i < warmUp; ++i) {
        random.next();
    }
    RandomSource replay = random;

    const std::vector<SetEntry> set = SetDrill::buildSet(random, divisionSetKinds(kinds));

    std::vector<SetEntry> expectedPool;
    for (const DivisionKind& kind : kinds) {
        for (int i = 0; i < kind.count; ++i) {
            const DivisionQuestion q = drawDivisionQuestion(replay, kind);
            expectedPool.push_back({ DivisionRules::questionText(q), q.quotient });
        }
    }
    const std::vector<SetEntry> expectedOrder = SetDrill::shuffle(replay, expectedPool);
    QCOMPARE(set.size(), expectedOrder.size());
    for (std::size_t i = 0; i < set.size(); ++i) {
        QCOMPARE(set[i].text, expectedOrder[i].text);
        QCOMPARE(set[i].answer, expectedOrder[i].answer);
    }
    QCOMPARE(entryKeys(set), entryKeys(expectedPool));
    QVERIFY(samePlace(random, replay));
}

void TestDivisionRules::emptySetDrawsNoValue()
{
    RandomSource random;
    RandomSource untouched = random;
    const std::vector<SetEntry> set = SetDrill::buildSet(
        random, divisionSetKinds({ { { 2, 1, 0 }, { 3, 1, 0 }, { 3, 2, 0 }, { 6, 5, 0 } } }));
    QVERIFY(set.empty());
    QVERIFY(samePlace(random, untouched));
}

void TestDivisionRules::shuffleKeepsEveryEntryOnce_data()
{
    QTest::addColumn<std::vector<SetEntry>>("entries");
    QTest::addRow("one entry") << pool({ { "84÷4=", 21 } });
    QTest::addRow("the same question five times")
        << pool({ { "6÷3=", 2 }, { "6÷3=", 2 }, { "6÷3=", 2 }, { "6÷3=", 2 }, { "6÷3=", 2 } });
    QTest::addRow("repeats among others") << pool({ { "6÷3=", 2 }, { "84÷4=", 21 }, { "6÷3=", 2 },
        { "9÷3=", 3 }, { "84÷4=", 21 }, { "8÷2=", 4 }, { "8÷2=", 4 }, { "8÷2=", 4 } });
    std::vector<SetEntry> full;
    for (int i = 0; i < 200; ++i) {
        full.push_back({ QStringLiteral("%1÷1=").arg(i % 37), i % 37 });
    }
    QTest::addRow("two hundred with repeats") << full;
    full.resize(128);
    QTest::addRow("a power-of-two total") << full;
}

void TestDivisionRules::shuffleKeepsEveryEntryOnce()
{
    QFETCH(std::vector<SetEntry>, entries);
    RandomSource random;
    for (int round = 0; round < 20; ++round) {
        const std::vector<SetEntry> order = SetDrill::shuffle(random, entries);
        QCOMPARE(entryKeys(order), entryKeys(entries));
    }
}

void TestDivisionRules::shufflePositionRoundsInSinglePrecision_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("position");
    QTest::addRow("zero picks the first") << 0.0f << 200 << 1;
    QTest::addRow("largest value picks the last of 200") << kLargestValue << 200 << 200;
    QTest::addRow("exact product") << valuePicking(5, 8) << 8 << 5;
    // 7626007 × 11 / 2^24 lies 3 × 2^-24 below 5; the nearest float is 5.
    QTest::addRow("product rounds up to a whole number") << 7626007.0f / 16777216.0f << 11 << 6;
    // 1 − 2^-24 plus 1 is a tie between 2 − 2^-23 and 2; the even one is 2.
    QTest::addRow("sum rounds up to a whole number") << 5592405.0f / 16777216.0f << 3 << 2;
    QTest::addRow("largest value past a total of 8") << kLargestValue << 8 << 9;
    QTest::addRow("largest value past a total of 1") << kLargestValue << 1 << 2;
}

void TestDivisionRules::shufflePositionRoundsInSinglePrecision()
{
    QFETCH(float, r);
    QFETCH(int, total);
    QFETCH(int, position);
    QCOMPARE(SetDrill::shufflePosition(r, total), position);
}

void TestDivisionRules::shuffleDrawsAgainForTakenAndPastTheEnd()
{
    std::vector<SetEntry> entries;
    for (int i = 1; i <= 8; ++i) {
        entries.push_back({ QStringLiteral("q%1").arg(i), i });
    }
    ScriptedSource source;
    for (const int k : { 9, 3, 3, 1, 2, 9, 8, 1, 4, 5, 6, 7 }) {
        source.values.push_back(k == 9 ? kLargestValue : valuePicking(k, 8));
    }

    const std::vector<SetEntry> order = SetDrill::shuffleWith(source, entries);

    QList<std::int64_t> answers;
    for (const SetEntry& e : order) {
        answers.append(e.answer);
    }
    QCOMPARE(answers, (QList<std::int64_t> { 3, 1, 2, 8, 4, 5, 6, 7 }));
    QVERIFY(source.values.empty());
}

void TestDivisionRules::cells_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("cell");
    const QString longest = QStringLiteral("999999÷9=");
    QTest::addRow("without answer") << QStringLiteral("96÷12=") << 8 << false
                                    << QStringLiteral("96÷12=") + QString(12, QLatin1Char(' '));
    QTest::addRow("with answer") << QStringLiteral("96÷12=") << 8 << true
                                 << QStringLiteral("96÷12=8") + QString(11, QLatin1Char(' '));
    QTest::addRow("longest with answer") << longest << 111111 << true << QStringLiteral("999999÷9=111111   ");
}

void TestDivisionRules::cells()
{
    QFETCH(QString, text);
    QFETCH(int, quotient);
    QFETCH(bool, answers);
    QFETCH(QString, cell);
    const QString formatted = SetDrill::formatCell(text, quotient, answers, DivisionRules::kCellWidth);
    QCOMPARE(formatted, cell);
    QCOMPARE(formatted.size(), DivisionRules::kCellWidth);
}

void TestDivisionRules::gridChecks_data()
{
    QTest::addColumn<Grid>("grid");
    QTest::addColumn<QStringList>("messages");
    const QString d = DivisionTexts::kDigitsMessage;
    const QString c = DivisionTexts::kCountMessage;
    const QString f = DivisionTexts::kFewerDigitsMessage;
    const Grid g = defaultGrid();
    QTest::addRow("defaults") << g << QStringList {};
    QTest::addRow("no dividend digits") << withBox(g, 3, 1, 0) << QStringList { d };
    QTest::addRow("bad count, good digits") << withBox(g, 1, 3, 60) << QStringList { c, c };
    QTest::addRow("bad count and one bad digit box")
        << withBox(withBox(g, 1, 3, 60), 1, 1, 7) << QStringList { d, c };
    QTest::addRow("two bad digit boxes") << withBox(withBox(g, 2, 1, 0), 2, 2, 9) << QStringList { d, d };
    QTest::addRow("count 50 and count 0") << withBox(withBox(g, 1, 3, 50), 2, 3, 0) << QStringList {};
    QTest::addRow("negative count") << withBox(g, 4, 3, -1) << QStringList { c, c };
    QTest::addRow("digits not a number") << withBox(g, 2, 2, std::nullopt) << QStringList { d };
    QTest::addRow("failures keep kind order")
        << withBox(withBox(g, 2, 2, 9), 4, 3, -1) << QStringList { d, c, c };
    QTest::addRow("dividend shorter than divisor")
        << withBox(withBox(g, 1, 1, 1), 1, 2, 2) << QStringList { f };
    QTest::addRow("shorter dividend with no questions")
        << withBox(withBox(g, 4, 1, 1), 4, 2, 2) << QStringList {};
    QTest::addRow("shorter dividend and bad count")
        << withBox(withBox(withBox(g, 1, 1, 1), 1, 2, 2), 1, 3, 51) << QStringList { c, c };
}

void TestDivisionRules::gridChecks()
{
    QFETCH(Grid, grid);
    QFETCH(QStringList, messages);
    const KindGridCheck result = KindGrid::check(grid, DivisionRules::gridRules());
    QCOMPARE(result.messages, messages);
    QCOMPARE(result.kinds.size(), messages.isEmpty() ? grid.size() : 0U);
    for (std::size_t k = 0; k < result.kinds.size(); ++k) {
        QCOMPARE(result.kinds[k].first, *grid[k].first);
        QCOMPARE(result.kinds[k].second, *grid[k].second);
        QCOMPARE(result.kinds[k].count, *grid[k].count);
    }
}

void TestDivisionRules::truncScaledIsExact_data()
{
    QTest::addColumn<qint64>("k");
    for (const qint64 k : { 2LL, 10LL, 99999LL, 100000LL, 999999LL, 1000000LL, 16777215LL, 536870911LL }) {
        QTest::addRow("k = %lld", static_cast<long long>(k)) << k;
    }
}

void TestDivisionRules::truncScaledIsExact()
{
    // trunc(r × k) for r = j / 2^24 is floor(j × k / 2^24) exactly: in
    // particular the largest r never reaches k (single-precision products
    // round 0.99999994 × 10^6 up to 10^6).
    QFETCH(qint64, k);
    for (const qint64 j : { 0LL, 1LL, 8388607LL, 8388608LL, 16777214LL, 16777215LL }) {
        const float r = static_cast<float>(j) / 16777216.0f;
        QCOMPARE(RandomSource::truncScaled(r, k), j * k / 16777216);
    }
    QVERIFY(RandomSource::truncScaled(16777215.0f / 16777216.0f, k) < k);
    // The whole-number draw gives the same values and moves the source alike.
    RandomSource whole;
    RandomSource scaled;
    for (int i = 0; i < 4096; ++i) {
        QCOMPARE(whole.below(k), RandomSource::truncScaled(scaled.next(), k));
    }
    QVERIFY(whole == scaled);
}

void TestDivisionRules::indicesFollowTheirDrawingRule_data()
{
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("wanted");
    QTest::addRow("2^24 indices, one value each") << (qint64 { 1 } << 24) << qint64 { 3 };
    QTest::addRow("2^24 + 1 indices, two values each") << (qint64 { 1 } << 24) + 1 << qint64 { 3 };
    QTest::addRow("twice the wanted, drawn again") << qint64 { 8 } << qint64 { 4 };
    QTest::addRow("fewer, shuffled") << qint64 { 7 } << qint64 { 4 };
    QTest::addRow("every index, shuffled") << qint64 { 6 } << qint64 { 6 };
}

void TestDivisionRules::indicesFollowTheirDrawingRule()
{
    // The indices of a run without repeats, worked out from a copy of the
    // source by the rules the sheets depend on; the run must end where the
    // copy does.
    QFETCH(qint64, count);
    QFETCH(qint64, wanted);
    RandomSource random;
    RandomSource model = random;
    // Uniform in 0 … n−1: trunc(r × n) up to 2^24; above, a 48-bit number of
    // two values, drawn again in the incomplete last round of n.
    const auto uniform = [&model](qint64 n) -> qint64 {
        constexpr qint64 kOne = qint64 { 1 } << 24;
        if (n <= kOne) {
            return RandomSource::truncScaled(model.next(), n);
        }
        const qint64 rounds = kOne * kOne / n * n;
        qint64 value = 0;
        do {
            const qint64 high = RandomSource::truncScaled(model.next(), kOne);
            value = high * kOne + RandomSource::truncScaled(model.next(), kOne);
        } while (value >= rounds);
        return value % n;
    };
    QList<qint64> expected;
    if (count >= 2 * wanted) {
        // Plenty of indices: one already used is drawn again.
        while (expected.size() < wanted) {
            const qint64 index = uniform(count);
            if (!expected.contains(index)) {
                expected.append(index);
            }
        }
    } else {
        // A partial shuffle: each draw picks among the indices still unused.
        std::vector<qint64> order(static_cast<std::size_t>(count));
        std::iota(order.begin(), order.end(), qint64 { 0 });
        for (std::size_t k = 0; k < static_cast<std::size_t>(wanted); ++k) {
            std::swap(order[k], order[k + static_cast<std::size_t>(uniform(count - qint64(k)))]);
            expected.append(order[k]);
        }
    }

    DistinctIndices indices(count, wanted);
    QList<qint64> drawn;
    for (qint64 k = 0; k < wanted; ++k) {
        drawn.append(indices.next(random));
    }
    QCOMPARE(drawn, expected);
    QVERIFY(random == model);
}

QTEST_APPLESS_MAIN(TestDivisionRules)
#include "test_division_rules.moc"
