// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/DrillWindow.h"

#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "forms/PreviewWindow.h"
#include "printing/PagePainter.h"
#include "printing/PrintTarget.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdlib>

namespace {
// Shows a busy cursor for as long as it lives.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QPoint placeOf(const QWidget* control)
{
    return control->mapTo(control->window(), QPoint());
}

// Line by line, left to right: the settings boxes and the grid.
bool lineOrder(const QWidget* a, const QWidget* b)
{
    const QPoint pa = placeOf(a);
    const QPoint pb = placeOf(b);
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
}

// Column by column (about 100 pixels wide), top to bottom: the frames and
// boxes a drill adds beside its settings.
bool columnOrder(const QWidget* a, const QWidget* b)
{
    constexpr int kColumn = 100;
    const QPoint pa = placeOf(a);
    const QPoint pb = placeOf(b);
    if (pa.x() / kColumn != pb.x() / kColumn) {
        return pa.x() < pb.x();
    }
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
}
} // namespace

DrillWindow::DrillWindow(DrillEnvironment& environment, const DrillLayout& layout, QWidget* parent)
    : QWidget(parent)
    , m_environment(environment)
{
    setFont(Fonts::songti(12));

    auto* heading
        = Controls::label(this, DrillNames::kHeading, DrillTexts::heading(layout.drillName), layout.heading);
    heading->setFont(Fonts::heiti(21.75));

    Controls::frame(this, layout.answerFrameName, layout.answerFrameCaption, layout.answerFrame);
    m_showAnswers = Controls::option(this, DrillNames::kShowAnswers, DrillTexts::kAnswerYes, layout.option1);
    auto* hideAnswers
        = Controls::option(this, DrillNames::kHideAnswers, DrillTexts::kAnswerNo, layout.option2);
    hideAnswers->setChecked(true);
    m_separateAnswers
        = Controls::option(this, DrillNames::kSeparateAnswers, DrillTexts::kAnswerSeparate, layout.option3);

    Controls::frame(this, layout.outputFrameName, DrillTexts::kOutputFrame, layout.outputFrame);
    m_toPrinter = Controls::checkBox(this, DrillNames::kToPrinter, DrillTexts::kToPrinter, layout.check1);
    m_toFile = Controls::checkBox(this, DrillNames::kToFile, DrillTexts::kToFile, layout.check2);
    m_toFile->setChecked(true);

    Controls::frame(this, layout.buttonFrameName, DrillTexts::kButtonFrame, layout.buttonFrame);
    auto* generateButton = Controls::button(
        this, DrillNames::kGenerate, DrillTexts::generateCaption(layout.drillName), layout.command1);
    auto* previewButton = Controls::button(this, DrillNames::kPreview, DrillTexts::kPreview, layout.command3);
    auto* returnButton = Controls::button(this, DrillNames::kReturn, DrillTexts::kReturn, layout.command2);

    m_progress = Controls::textBox(this, layout.progressName, QString(), layout.progress);
    m_progress->setReadOnly(true);
    m_progress->setFocusPolicy(Qt::NoFocus);
    m_progress->setFont(Fonts::songti(layout.progressPoints));
    Controls::setTextColor(m_progress, QColor(255, 0, 0));
    m_emptyProgress = m_progress->palette();

    m_completion = Controls::label(this, layout.completionName, QString(), layout.completion);
    m_completion->setWordWrap(true);
    m_completion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its place is the least it takes: a longer text makes it grow downwards.
    m_completion->setMinimumHeight(m_completion->height());
    if (layout.completionColor.isValid()) {
        Controls::setTextColor(m_completion, layout.completionColor);
    }

    m_sharedControls = { m_showAnswers, hideAnswers, m_separateAnswers, m_toPrinter, m_toFile, generateButton,
        previewButton, returnButton };

    connect(generateButton, &QPushButton::clicked, this, [this] { startRun(false); });
    connect(previewButton, &QPushButton::clicked, this, [this] { startRun(true); });
    connect(returnButton, &QPushButton::clicked, this, &DrillWindow::returnRequested);
}

QLineEdit* DrillWindow::addSetting(const char* labelName, const QString& title, Twips labelPlace,
    const char* boxName, const QString& text, Twips boxPlace)
{
    QLabel* label = Controls::label(this, labelName, title, labelPlace);
    QLineEdit* box = Controls::textBox(this, boxName, text, boxPlace, title);
    label->setBuddy(box);
    return box;
}

void DrillWindow::startRun(bool previewing)
{
    m_previewPages.clear();
    QString sheetName;
    {
        const BusyCursor busy;
        if (const std::optional<DrillRun> run = readRun()) {
            sheetName = run->sheetName;
            execute(*run, previewing);
        }
    }
    if (previewing && !m_previewPages.isEmpty()) {
        const PrintedPages pages = std::exchange(m_previewPages, {});
        if (PreviewWindow::show(this, pages, m_previewPaper, m_environment.printTarget,
                m_environment.sheetFolder, sheetName)) {
            sheetGenerated();
        }
    }
}

void DrillWindow::execute(const DrillRun& run, bool previewing)
{
    // Qt's own printer calls wait minutes on a print system that does not
    // answer; the preview asks it first, within a few seconds.
    if (previewing) {
        if (const QString silence = m_environment.printTarget.silence(); !silence.isEmpty()) {
            MessageBox::show(this, silence);
            return;
        }
    }
    // A preview collects the printed pages whether or not the printer is chosen.
    PageCollector collector(previewing ? m_environment.printTarget.pageLayout() : PrintTarget::a4());
    RunRequest asked = request();
    asked.outputs.printer = asked.outputs.printer || previewing;
    // Each part of a run is reported as it is done, before any page is printed.
    const std::function<void()> stepDone = [this, &run] { showCompletion(run, PagePainter::kLargestPoints); };
    const RunOutcome outcome = SheetRun::run(previewing ? collector : m_environment.printTarget, asked,
        m_environment.random, run.writePass, stepDone);
    for (const QString& failure : outcome.failures) {
        MessageBox::show(this, failure);
    }
    if (outcome.refused) {
        return;
    }
    if (!outcome.ok()) {
        // A run that failed once it had begun reports no success, whatever
        // a set drill showed after the sets it had done.
        clearCompletion();
        return;
    }
    showCompletion(run, outcome.smallestPoints);
    if (previewing) {
        m_previewPages = collector.pages();
        m_previewPaper = collector.pageLayout();
    } else {
        sheetGenerated();
    }
}

RunRequest DrillWindow::request() const
{
    RunRequest request;
    request.sheetFolder = m_environment.sheetFolder;
    // Only a fully ticked box counts.
    request.outputs = { m_toPrinter->checkState() == Qt::Checked, m_toFile->checkState() == Qt::Checked };
    if (m_showAnswers->isChecked()) {
        request.answers = AnswerSheet::Shown;
    } else if (m_separateAnswers->isChecked()) {
        request.answers = AnswerSheet::Separate;
    }
    return request;
}

void DrillWindow::showCompletion(const DrillRun& run, double printedPoints)
{
    QPalette palette = m_progress->palette();
    palette.setColor(QPalette::Base, Qt::black);
    m_progress->setPalette(palette);
    m_progress->setText(run.progress);
    m_completion->setText(printedPoints < PagePainter::kLegiblePoints
            ? run.completion + DrillTexts::smallPrint(printedPoints)
            : run.completion);
    m_completion->resize(m_completion->width(),
        std::max(m_completion->minimumHeight(), m_completion->heightForWidth(m_completion->width())));
}

void DrillWindow::clearCompletion()
{
    m_progress->setPalette(m_emptyProgress);
    m_progress->clear();
    m_completion->clear();
}

QList<QLineEdit*> DrillWindow::settingsBoxes() const
{
    QList<QLineEdit*> boxes;
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        if (box != m_progress) {
            boxes.append(box);
        }
    }
    std::sort(boxes.begin(), boxes.end(), lineOrder);
    return boxes;
}

void DrillWindow::arrangeKeyboard()
{
    // The settings boxes top to bottom (a grid row by row), then any other
    // setting a drill adds, then the answers, the outputs and the buttons.
    QList<QWidget*> others;
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->focusPolicy() & Qt::TabFocus && !qobject_cast<QLineEdit*>(control)
            && !m_sharedControls.contains(control)) {
            others.append(control);
        }
    }
    std::sort(others.begin(), others.end(), columnOrder);
    QList<QWidget*> chain;
    for (QLineEdit* box : settingsBoxes()) {
        // A check box that switches the box on stands left of it on its line, and comes just before it.
        const auto switchesBox = [box](const QWidget* control) {
            return qobject_cast<const QCheckBox*>(control) && control->geometry().right() < box->x()
                && std::abs(control->geometry().center().y() - box->geometry().center().y()) < 10;
        };
        if (const auto it = std::find_if(others.begin(), others.end(), switchesBox); it != others.end()) {
            chain.append(*it);
            others.erase(it);
        }
        chain.append(box);
        connect(box, &QLineEdit::returnPressed, this, [this] { startRun(false); });
    }
    chain += others + m_sharedControls;
    // Each widget of the drill's own chain moves to just after the one before it.
    for (const QList<QWidget*>* order : { &chain, &m_keyboardChain }) {
        for (qsizetype i = 1; i < order->size(); ++i) {
            setTabOrder((*order)[i - 1], (*order)[i]);
        }
    }
    // Tab stops once in a group of option buttons, at the chosen one; the
    // arrow keys move within the group.
    for (QRadioButton* option : findChildren<QRadioButton*>()) {
        const auto follow
            = [option](bool chosen) { option->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus); };
        follow(option->isChecked());
        connect(option, &QRadioButton::toggled, option, follow);
    }
}

void DrillWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_keyboardArranged) {
        arrangeKeyboard();
        m_keyboardArranged = true;
    }
    if (m_focusChainFirst) {
        m_keyboardChain.first()->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Each opening starts in the first settings box, ready to be typed over.
    // A box switched off by its check box is passed over.
    const QList<QLineEdit*> boxes = settingsBoxes();
    if (const auto first
        = std::find_if(boxes.begin(), boxes.end(), [](const QLineEdit* box) { return box->isEnabled(); });
        first != boxes.end()) {
        (*first)->setFocus(Qt::OtherFocusReason);
        (*first)->selectAll();
    }
}

void DrillWindow::setKeyboardChain(QList<QWidget*> chain, bool focusFirst)
{
    m_keyboardChain = std::move(chain);
    m_focusChainFirst = focusFirst && !m_keyboardChain.isEmpty();
}

void DrillWindow::closeEvent(QCloseEvent* event)
{
    // Closing the frame acts like the return button: the window is only hidden.
    event->ignore();
    emit returnRequested();
}
