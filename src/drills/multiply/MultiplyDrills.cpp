// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/multiply/MultiplyDrills.h"

#include "common/DistinctTexts.h"
#include "random/DistinctDraws.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {
// Whole runs of drawn questions; the option chosen is the number of decimal places.
bool runRowsOfChosenPlaces(const OperandRun& run, SheetOutputs& outputs)
{
    return run.option > 0 ? Multiplication::runDecimalRows(run, outputs)
                          : Multiplication::runRows(run, outputs);
}

// The distinct questions of the digit counts and decimal places.
NumberedQuestions numberedQuestions(int d1, int d2, int places)
{
    if (places > 0) {
        return NumberedQuestions { Multiplication::decimalDistinctCount(d1, d2),
            [d1, d2, places](SheetLine& row, std::int64_t index, bool answers) {
                Multiplication::writeDecimalQuestion(
                    row, Multiplication::decimalFactorsAt(d1, d2, places, index), answers);
            } };
    }
    return NumberedQuestions { Multiplication::distinctCount(d1, d2),
        [d1, d2](SheetLine& row, std::int64_t index, bool answers) {
            Multiplication::writeQuestion(row, Multiplication::factorsAt(d1, d2, index), answers);
        } };
}

std::vector<SetKind> multiplySetKinds(const std::vector<CheckedKind>& checked)
{
    std::vector<SetKind> kinds;
    for (const CheckedKind& kind : checked) {
        const int first = kind.first;
        const int second = kind.second;
        kinds.push_back({ kind.count, [first, second](RandomSource& random) {
                             const Factors f = Multiplication::drawFactors(random, first, second);
                             return SetEntry { Multiplication::questionText(f, false), f.a * f.b };
                         } });
    }
    return kinds;
}

// The factor pairs one set has used, for each digit count pair. A set's pool
// draws all its questions in one go, so the draws so far tell when a new pool
// (a set, or the same set drawn again from a saved random source) begins.
class SetPairs {
public:
    SetPairs(std::map<std::pair<int, int>, std::int64_t> wanted, std::int64_t total)
        : m_wanted(std::move(wanted))
        , m_total(total)
    {
    }

    Factors next(RandomSource& random, int first, int second)
    {
        if (m_drawn++ % m_total == 0) {
            m_indices.clear();
            for (const auto& [digits, count] : m_wanted) {
                m_indices.emplace(digits,
                    DistinctIndices(Multiplication::distinctCount(digits.first, digits.second), count));
            }
        }
        return Multiplication::factorsAt(first, second, m_indices.at({ first, second }).next(random));
    }

private:
    std::map<std::pair<int, int>, std::int64_t> m_wanted;
    std::int64_t m_total;
    std::int64_t m_drawn = 0;
    std::map<std::pair<int, int>, DistinctIndices> m_indices;
};

// Kinds of the same digit counts share their factor pairs: one set never
// holds a pair twice, whichever kinds draw it.
std::variant<std::vector<SetKind>, QString> distinctSetKinds(const std::vector<CheckedKind>& checked)
{
    std::map<std::pair<int, int>, std::int64_t> wanted;
    std::int64_t total = 0;
    for (const CheckedKind& kind : checked) {
        wanted[{ kind.first, kind.second }] += kind.count;
        total += kind.count;
    }
    for (const auto& [digits, count] : wanted) {
        const std::int64_t distinct = Multiplication::distinctCount(digits.first, digits.second);
        if (distinct < count) {
            return DistinctTexts::countMessage(distinct);
        }
    }
    auto pairs = std::make_shared<SetPairs>(std::move(wanted), std::max<std::int64_t>(total, 1));
    std::vector<SetKind> kinds;
    for (const CheckedKind& kind : checked) {
        const int first = kind.first;
        const int second = kind.second;
        kinds.push_back({ kind.count, [pairs, first, second](RandomSource& random) {
                             const Factors f = pairs->next(random, first, second);
                             return SetEntry { Multiplication::questionText(f, false), f.a * f.b };
                         } });
    }
    return kinds;
}

SetDrillDefinition setDrill()
{
    return {
        .drillName = MultiplySetTexts::kDrillName,
        .firstTitle = QStringLiteral("第一因数位数"),
        .secondTitle = QStringLiteral("第二因数位数"),
        .defaults = { { { 2, 1, 30 }, { 3, 1, 30 }, { 2, 2, 20 }, { 3, 2, 0 } } },
        .rules = {
            .firstLow = 1,
            .firstHigh = Multiplication::kMaxFirstDigits,
            .secondLow = 1,
            .secondHigh = Multiplication::kMaxSecondDigits,
            .countLow = 0,
            .countHigh = 50,
            .digitsMessage = SetDrillTexts::kDigitsMessage,
            .countMessage = SetDrillTexts::kCountMessage,
            .fewerDigitsMessage = QString(),
        },
        .sheet = { .title = MultiplySetTexts::kTitle,
            .filePrefix = MultiplySetTexts::kFilePrefix,
            .cellWidth = MultiplySetTexts::kCellWidth },
        .kinds = multiplySetKinds,
        .roundsFractions = false,
        .distinctKinds = distinctSetKinds,
    };
}
} // namespace

RowDrillDefinition MultiplyDrills::rows(const MultiplyGradeRules& grade)
{
    RowDrillDefinition drill {
        .drillName = grade.stage + QStringLiteral("乘算"),
        .boxes = {
            .operands = {
                { .title = QStringLiteral("第一因数位数"), .initial = grade.firstDigits, .low = 1,
                    .high = Multiplication::kMaxFirstDigits },
                { .title = QStringLiteral("第二因数位数"), .initial = grade.secondDigits, .low = 1,
                    .high = Multiplication::kMaxSecondDigits } },
            .firstAtLeastSecond = false,
            .operandsMessage = MultiplyTexts::kDigitsMessage,
            .initialLayout = { .perRow = 5, .rowsPerPage = 30, .pages = 4 },
            .layoutLimits = Multiplication::kLayoutLimits,
            .countsMessage = grade.countsMessage.isEmpty()
                ? RowDrill::countsMessage(Multiplication::kLayoutLimits)
                : grade.countsMessage,
        },
        .sheet = [grade](int d1, int d2, int places) { return Multiplication::sheet(grade, d1, d2, places); },
        .run = runRowsOfChosenPlaces,
    };
    if (grade.offersDistinct) {
        drill.numbered = numberedQuestions;
    }
    // The choice's captions name one or two places, and its frame holds three options.
    Q_ASSERT(grade.maxPlaces >= 0 && grade.maxPlaces <= 2);
    if (grade.maxPlaces > 0) {
        RowChoice places { MultiplyTexts::kPlacesCaption, { MultiplyTexts::kWholeCaption } };
        for (int p = 1; p <= grade.maxPlaces; ++p) {
            places.options.push_back(RowDrill::placesName(p));
        }
        drill.choice = std::move(places);
    }
    return drill;
}

const SetDrillDefinition& MultiplyDrills::sets()
{
    static const SetDrillDefinition drill = setDrill();
    return drill;
}
