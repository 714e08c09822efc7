#include "drills/rows/RowLayoutBoxes.h"

#include "common/SettingText.h"
#include "drills/rows/RowLayoutPlaces.h"

#include <QLabel>
#include <QLineEdit>

namespace {
QLineEdit* layoutBox(
    QWidget* window, int line, const char* labelName, const QString& title, const char* boxName, int initial)
{
    Controls::label(window, labelName, title, RowLayoutPlaces::settingLabel(line));
    return Controls::textBox(window, boxName, QString::number(initial), RowLayoutPlaces::settingBox(line));
}
} // namespace

RowLayoutBoxes::RowLayoutBoxes(QWidget* window, const RowLayout& initial)
    : m_perRow(layoutBox(window, 2, "Label5", QStringLiteral("每行题数"), "Text4", initial.perRow))
    , m_rows(layoutBox(window, 3, "Label6", QStringLiteral("每页行数"), "Text5", initial.rowsPerPage))
    , m_pages(layoutBox(window, 4, "Label7", QStringLiteral("每次页数"), "Text6", initial.pages))
{
}

std::optional<RowLayout> RowLayoutBoxes::read(const RowLayoutLimits& limits) const
{
    const auto n = parseWholeNumber(m_perRow->text());
    const auto m = parseWholeNumber(m_rows->text());
    const auto p = parseWholeNumber(m_pages->text());
    if (!inRange(n, 1, limits.maxPerRow) || !inRange(m, 1, limits.maxRows)
        || !inRange(p, 1, limits.maxPages)) {
        return std::nullopt;
    }
    return RowLayout { static_cast<int>(*n), static_cast<int>(*m), static_cast<int>(*p) };
}
