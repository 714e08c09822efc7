#include "drills/chain7/ChainRules.h"

namespace {
QString field(int value)
{
    return QString::number(value).rightJustified(ChainRules::kFieldWidth);
}
} // namespace

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
