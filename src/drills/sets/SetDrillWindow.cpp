// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/sets/SetDrillWindow.h"

#include "common/DistinctTexts.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "forms/SetForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString kCountCaption = QStringLiteral("要生成几题");
const QString kPerRowCaption = QStringLiteral("每行题数");
const QString kSetsCaption = QStringLiteral("共生成几套");
constexpr double kGridTitlePoints = 10.5;

QLabel* smallTitle(QWidget* window, const char* name, const QString& text, Twips place)
{
    QLabel* label = Controls::label(window, name, text, place);
    label->setFont(Fonts::songti(kGridTitlePoints));
    return label;
}
} // namespace

SetDrillWindow::SetDrillWindow(DrillEnvironment& environment, SetDrillDefinition definition, QWidget* parent)
    : DrillWindow(environment, SetForm::drillLayout(definition.drillName), parent)
    , m_definition(std::move(definition))
{
    using namespace SetForm;
    smallTitle(this, kFirstTitle, m_definition.firstTitle, kFirstTitlePlace);
    smallTitle(this, kSecondTitle, m_definition.secondTitle, kSecondTitlePlace);
    smallTitle(this, SetForm::kCountTitle, kCountCaption, kCountTitlePlace);

    for (std::size_t k = 0; k < m_grid.size(); ++k) {
        const int left = kColumnLefts[k];
        const auto box = [&](int row, int top) {
            // Named by its row title and column, as the grid has no label per box.
            const QString title = row == 0 ? m_definition.firstTitle
                : row == 1                 ? m_definition.secondTitle
                                           : kCountCaption;
            return Controls::textBox(this, kBoxNames[k][row], QString::number(m_definition.defaults[k][row]),
                { left, top, kBoxWidth, kBoxHeight }, QStringLiteral("%1（第%2种）").arg(title).arg(k + 1));
        };
        m_grid[k] = { box(0, kDividendTop), box(1, kDivisorTop), box(2, kCountTop) };
    }

    m_perRow = addSetting(
        kPerRowLabel, kPerRowCaption, kPerRowLabelPlace, kPerRowBox, QStringLiteral("5"), kPerRowBoxPlace);
    QLabel* setsLabel = smallTitle(this, kSetsLabel, kSetsCaption, kSetsLabelPlace);
    m_sets = Controls::textBox(this, kSetsBox, QStringLiteral("10"), kSetsBoxPlace, kSetsCaption);
    setsLabel->setBuddy(m_sets);
    if (m_definition.distinctKinds) {
        m_distinct = Controls::checkBox(
            this, DistinctTexts::kCheckName, DistinctTexts::kCheckCaption, kDistinctCheck);
    }
}

std::optional<int> SetDrillWindow::readNumber(const QString& text) const
{
    if (m_definition.roundsFractions) {
        return parseRoundedInt16(text);
    }
    // Whole numbers in the same 16-bit range; anything else fails its check.
    const auto value = parseWholeNumber(text);
    if (!inRange(value, -32768, 32767)) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::vector<KindBoxes> SetDrillWindow::readGrid() const
{
    std::vector<KindBoxes> grid;
    for (const KindColumn& column : m_grid) {
        grid.push_back({ readNumber(column.first->text()), readNumber(column.second->text()),
            readNumber(column.count->text()) });
    }
    return grid;
}

std::optional<DrillWindow::DrillRun> SetDrillWindow::readRun()
{
    const auto sets = readNumber(m_sets->text());
    if (!inRange(sets, 1, SetDrillTexts::kMaxSets)) {
        MessageBox::show(this, SetDrillTexts::kSetsMessage);
        return std::nullopt;
    }

    // Every set is checked on its own, so a faulty grid shows its messages
    // once per set; the boxes cannot change during the run, so when the
    // first set passes, all do.
    const KindGridCheck grid = KindGrid::check(readGrid(), m_definition.rules);
    if (!grid.messages.isEmpty()) {
        for (int n = 1; n <= *sets; ++n) {
            for (const QString& message : grid.messages) {
                MessageBox::show(this, message);
            }
        }
        return std::nullopt;
    }
    const auto perRow = parseWholeNumber(m_perRow->text());
    if (!perRow || *perRow < 1) {
        MessageBox::show(this, SetDrillTexts::kPerRowMessage);
        return std::nullopt;
    }

    const SetSheet& sheet = m_definition.sheet;
    int total = 0;
    for (const CheckedKind& kind : grid.kinds) {
        total += kind.count;
    }
    std::vector<SetKind> kinds;
    if (m_distinct && m_distinct->checkState() == Qt::Checked) {
        // Each set starts without used questions, so the kinds serve every set.
        auto distinct = m_definition.distinctKinds(grid.kinds);
        if (const auto* message = std::get_if<QString>(&distinct)) {
            MessageBox::show(this, *message);
            return std::nullopt;
        }
        kinds = std::move(std::get<std::vector<SetKind>>(distinct));
    } else {
        kinds = m_definition.kinds(grid.kinds);
    }
    return DrillRun {
        [sheet, sets = *sets, perRow = *perRow, kinds](SheetOutputs& outputs, const DrillPass& pass) {
            for (int n = 1; n <= sets; ++n) {
                if (!SetDrill::writeSet(sheet, { n, perRow, pass.answers }, kinds, pass.random, outputs)) {
                    return false;
                }
                // Each set is reported as it is done.
                pass.stepDone();
            }
            return true;
        },
        DrillTexts::progress(), DrillTexts::completion(total, SetDrill::filePattern(sheet)), sheet.filePrefix
    };
}
