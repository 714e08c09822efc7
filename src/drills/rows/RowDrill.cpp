#include "drills/rows/RowDrill.h"

#include "output/SheetOutputs.h"

void RowDrill::appendCell(QString& row, const QString& question, int cellWidth)
{
    row += question;
    const qsizetype pad = question.size() < cellWidth ? cellWidth - question.size() : 1;
    row.resize(row.size() + pad, QLatin1Char(' '));
}

bool RowDrill::run(const RowSheet& sheet, const RowLayout& layout, const std::function<QString()>& nextQuestion,
    SheetOutputs& outputs)
{
    // One run of hyphens under each column of questions.
    const QString rule(static_cast<qsizetype>(layout.perRow) * sheet.cellWidth, QLatin1Char('-'));
    const QString indent(kIndent, QLatin1Char(' '));
    outputs.beginFile(sheet.fileName, sheet.title);
    QString row;
    for (int page = 1; page <= layout.pages && !outputs.failed(); ++page) {
        if (outputs.toPrinter()) {
            outputs.beginPage(sheet.title, rule);
        }
        for (int r = 0; r < layout.rowsPerPage; ++r) {
            row.reserve(kIndent + static_cast<qsizetype>(layout.perRow) * (sheet.cellWidth + 8));
            row = indent;
            for (int q = 0; q < layout.perRow; ++q) {
                appendCell(row, nextQuestion(), sheet.cellWidth);
            }
            outputs.line(row);
        }
        outputs.endPage(rule, page);
    }
    return outputs.finish();
}
