#include "drills/rows/RowLayoutBoxes.h"

#include "common/SettingText.h"
#include "forms/RowForm.h"

#include <QLabel>
#include <QLineEdit>

namespace {
QLineEdit* layoutBox(
    QWidget* window, int line, const char* labelName, const QString& title, const char* boxName, int initial)
{
    QLabel* label = Controls::label(window, labelName, title, RowForm::settingLabel(line));
    QLineEdit* box = Controls::textBox(window, boxName, QString::number(initial), RowForm::settingBox(line));
    label->setBuddy(box); // the box is known by its title, to screen readers too
    return box;
}
} // namespace

RowLayoutBoxes::RowLayoutBoxes(QWidget* window, const RowLayout& initial)
    : m_perRow(layoutBox(
        window, 2, RowForm::kPerRowLabel, QStringLiteral("每行题数"), RowForm::kPerRowBox, initial.perRow))
    , m_rows(layoutBox(
          window, 3, RowForm::kRowsLabel, QStringLiteral("每页行数"), RowForm::kRowsBox, initial.rowsPerPage))
    , m_pages(layoutBox(
          window, 4, RowForm::kPagesLabel, QStringLiteral("每次页数"), RowForm::kPagesBox, initial.pages))
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
