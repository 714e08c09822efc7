#include "forms/DrillWindow.h"

#include "common/Fonts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

QString DrillTexts::heading(const QString& drillName)
{
    return QStringLiteral("小学数学 [") + drillName + QStringLiteral("] 自动出题系统");
}

QString DrillTexts::progress(int indent) { return QString(indent, QLatin1Char(' ')) + kDone; }

QString DrillTexts::generateCaption(const QString& drillName) { return drillName + QStringLiteral("(&C)"); }

QString DrillTexts::completion(qint64 questions, const QString& fileName)
{
    return QStringLiteral("智能生成[") + QString::number(questions)
        + QStringLiteral("]题已完成。如果选择输出到Excel，请在该系统目录下将“") + fileName
        + QStringLiteral("”用Excel打开，点完成即可。(千万不要直接双击进入)调整即可。谢谢！");
}

DrillWindow::DrillWindow(DrillEnvironment& environment, const DrillLayout& layout, QWidget* parent)
    : QWidget(parent)
    , m_environment(environment)
{
    setFont(Fonts::songti(12));

    auto* heading = Controls::label(this, "Label1", DrillTexts::heading(layout.drillName), layout.heading);
    heading->setFont(Fonts::heiti(21.75));

    Controls::frame(this, layout.answerFrameName, layout.answerFrameCaption, layout.answerFrame);
    m_showAnswers = Controls::option(this, "Option1", DrillTexts::kAnswerYes, layout.option1);
    Controls::option(this, "Option2", DrillTexts::kAnswerNo, layout.option2)->setChecked(true);

    Controls::frame(this, layout.outputFrameName, DrillTexts::kOutputFrame, layout.outputFrame);
    m_toPrinter = Controls::checkBox(this, "Check1", DrillTexts::kToPrinter, layout.check1);
    m_toFile = Controls::checkBox(this, "Check2", DrillTexts::kToFile, layout.check2);
    m_toFile->setChecked(true);

    Controls::frame(this, layout.buttonFrameName, DrillTexts::kButtonFrame, layout.buttonFrame);
    auto* generateButton = Controls::button(this, "Command1", DrillTexts::generateCaption(layout.drillName),
        layout.command1);
    auto* returnButton = Controls::button(this, "Command2", DrillTexts::kReturn, layout.command2);

    m_progress = Controls::textBox(this, layout.progressName, QString(), layout.progress);
    m_progress->setReadOnly(true);
    m_progress->setFont(Fonts::songti(layout.progressPoints));
    Controls::setTextColor(m_progress, QColor(255, 0, 0));

    m_completion = Controls::label(this, layout.completionName, QString(), layout.completion);
    m_completion->setWordWrap(true);
    m_completion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (layout.completionColor.isValid()) {
        Controls::setTextColor(m_completion, layout.completionColor);
    }

    connect(generateButton, &QPushButton::clicked, this, &DrillWindow::generateBusy);
    connect(returnButton, &QPushButton::clicked, this, &DrillWindow::returnRequested);
}

QLineEdit* DrillWindow::addSetting(const char* labelName, const QString& title, Twips labelPlace,
    const char* boxName, const QString& text, Twips boxPlace)
{
    Controls::label(this, labelName, title, labelPlace);
    return Controls::textBox(this, boxName, text, boxPlace);
}

bool DrillWindow::runOnOutputs(const std::function<bool(SheetOutputs&)>& drill)
{
    SheetOutputs outputs(m_environment.printTarget, outputChoice(), this);
    return outputs.open() && drill(outputs);
}

void DrillWindow::generateBusy()
{
    struct BusyCursor {
        BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
        ~BusyCursor() { QApplication::restoreOverrideCursor(); }
        BusyCursor(const BusyCursor&) = delete;
        BusyCursor& operator=(const BusyCursor&) = delete;
    } busy;
    generate();
}

bool DrillWindow::answersShown() const { return m_showAnswers->isChecked(); }

OutputChoice DrillWindow::outputChoice() const
{
    // Only a fully ticked box counts.
    return { m_toPrinter->checkState() == Qt::Checked, m_toFile->checkState() == Qt::Checked };
}

void DrillWindow::showCompletion(const QString& progressText, const QString& completionText)
{
    QPalette palette = m_progress->palette();
    palette.setColor(QPalette::Base, Qt::black);
    m_progress->setPalette(palette);
    m_progress->setText(progressText);
    m_completion->setText(completionText);
}

void DrillWindow::closeEvent(QCloseEvent* event)
{
    // Closing the frame acts like the return button: the window is only hidden.
    event->ignore();
    emit returnRequested();
}
