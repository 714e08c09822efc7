#include "drills/chain7/ChainRules.h"

#include "random/RandomSource.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdint>

namespace {
bool isTerm(int value)
{
    return (value >= 1 && value <= 9) || (value >= -9 && value <= -1);
}

QString field(int value)
{
    return QString::number(value).rightJustified(ChainRules::kFieldWidth);
}
} // namespace

int ChainRules::j(RandomSource& random)
{
    std::int64_t t = 0;
    do {
        t = random.below(10);
    } while (t < 1 || t > 9);
    return static_cast<int>(t);
}

int ChainRules::h(RandomSource& random)
{
    std::int64_t t = 0;
    do {
        t = random.below(10) - 10;
    } while (t < -9 || t > -1);
    return static_cast<int>(t);
}

ChainRules::DrawnTerms ChainRules::drawTerms(RandomSource& random, int terms, int subtracted)
{
    // A positive first term and a positive total must both be possible.
    Q_ASSERT(subtracted >= 0 && subtracted <= terms - 2);
    DrawnTerms result;
    result.drawn.resize(static_cast<std::size_t>(terms));
    do {
        result.sum = 0;
        for (int slot = 0; slot < terms; ++slot) {
            const int term = slot < subtracted ? h(random) : j(random);
            result.drawn[static_cast<std::size_t>(slot)] = term;
            result.sum += term;
        }
    } while (result.sum <= 0);
    return result;
}

std::vector<int> ChainRules::orderTerms(RandomSource& random, std::vector<int>& drawn)
{
    const int terms = static_cast<int>(drawn.size());
    auto slot = [&drawn](std::int64_t number) -> int& { return drawn[static_cast<std::size_t>(number - 1)]; };
    std::vector<int> shown;
    shown.reserve(drawn.size());

    // The first term is an added one from any slot but the last.
    std::int64_t p = 0;
    do {
        p = random.below(terms - 1) + 1;
    } while (slot(p) < 1 || slot(p) > 9);
    shown.push_back(slot(p));
    slot(p) = kUsed;

    // The +0.05 makes 0 likely (drawn again) and the last slot rare, so the
    // last drawn term mostly ends the column.
    for (int position = 2; position <= terms; ++position) {
        std::int64_t i = 0;
        do {
            do {
                i = static_cast<std::int64_t>(static_cast<double>(random.next()) * terms + 0.05);
            } while (i == 0);
        } while (!isTerm(slot(i)));
        shown.push_back(slot(i));
        slot(i) = kUsed;
    }
    return shown;
}

ChainRow ChainRules::DrawChainRow(RandomSource& random, int questions, int terms, int subtracted)
{
    ChainRow row(static_cast<std::size_t>(std::max(questions, 0)));
    std::vector<std::vector<int>> drawn(row.size());
    for (std::size_t q = 0; q < row.size(); ++q) {
        DrawnTerms question = drawTerms(random, terms, subtracted);
        drawn[q] = std::move(question.drawn);
        row[q].answer = question.sum;
    }
    for (std::size_t q = 0; q < row.size(); ++q) {
        row[q].shown = orderTerms(random, drawn[q]);
    }
    return row;
}

QString ChainRules::FormatTermLine(const ChainRow& row, int k)
{
    QString line;
    for (const ChainQuestion& question : row) {
        line += field(question.shown.at(static_cast<std::size_t>(k - 1)));
    }
    return line;
}

QString ChainRules::FormatAnswerLine(const ChainRow& row)
{
    QString line;
    for (const ChainQuestion& question : row) {
        line += field(question.answer);
    }
    return line;
}

QString ChainRules::FormatAnswerUnderline(int questions)
{
    return kUnderlinePiece.repeated(std::max(questions, 0));
}

QString ChainRules::separatorLine(int questions)
{
    return kSeparatorPiece.repeated(std::max(questions, 0));
}
