// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/chains/ChainWindow.h"

#include "common/DistinctTexts.h"
#include "common/MessageBox.h"
#include "forms/ChainForm.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>

ChainWindow::ChainWindow(
    DrillEnvironment& environment, const ChainDrillDefinition& definition, QWidget* parent)
    : DrillWindow(environment, ChainForm::drillLayout(definition.drillName), parent)
    , m_definition(definition)
{
    m_perRow
        = addSetting(ChainForm::kPerRowLabel, QStringLiteral("每排生成题数"), ChainForm::kPerRowLabelPlace,
            ChainForm::kPerRowBox, QStringLiteral("15"), ChainForm::kPerRowBoxPlace);
    m_rows = addSetting(ChainForm::kRowsLabel, QStringLiteral("每页生成几排"), ChainForm::kRowsLabelPlace,
        ChainForm::kRowsBox, QStringLiteral("5"), ChainForm::kRowsBoxPlace);
    m_pages = addSetting(ChainForm::kPagesLabel, QStringLiteral("每次生成几页"), ChainForm::kPagesLabelPlace,
        ChainForm::kPagesBox, QStringLiteral("5"), ChainForm::kPagesBoxPlace);
    if (m_definition.offersDistinct) {
        // Between the settings and the button frame, above the answers frame's right end.
        m_distinct = Controls::checkBox(
            this, DistinctTexts::kCheckName, DistinctTexts::kCheckCaption, ChainForm::kDistinctCheck);
    }
}

std::optional<DrillWindow::DrillRun> ChainWindow::readRun()
{
    auto settings = ChainDrill::readSettings(m_perRow->text(), m_rows->text(), m_pages->text(), false);
    if (!settings) {
        MessageBox::show(this, m_definition.countsMessage);
        return std::nullopt;
    }
    const qint64 questions = qint64 { settings->perRow } * settings->rowsPerPage * settings->pages;
    if (m_distinct && m_distinct->checkState() == Qt::Checked) {
        const std::int64_t distinct = ChainDrill::distinctCount(m_definition.terms, m_definition.subtracted);
        if (distinct < questions) {
            MessageBox::show(this, DistinctTexts::countMessage(distinct));
            return std::nullopt;
        }
        settings->distinct = true;
    }
    return DrillRun { [definition = m_definition, settings = *settings](
                          SheetOutputs& outputs, const DrillPass& pass) mutable {
                         settings.answers = pass.answers;
                         return ChainDrill::run(definition, settings, pass.random, outputs);
                     },
        DrillTexts::progress(23), ChainTexts::completion(m_definition, questions),
        QFileInfo(m_definition.fileName()).completeBaseName() };
}
