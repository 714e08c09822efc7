#pragma once
// The pattern every drill window follows: a heading, the answer choice, the
// two outputs, the generate and return buttons, the progress box and the
// completion label. A concrete drill adds its settings boxes and its generate
// step, which reads the boxes, validates them and runs the drill.

#include "forms/Controls.h"
#include "forms/DrillEnvironment.h"
#include "output/SheetOutputs.h"

#include <QColor>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

struct DrillLayout {
    QString drillName; // named in the heading and on the generate button
    Twips heading;
    const char* answerFrameName;
    QString answerFrameCaption;
    Twips answerFrame;
    Twips option1;
    Twips option2;
    const char* outputFrameName;
    Twips outputFrame;
    Twips check1;
    Twips check2;
    const char* buttonFrameName;
    Twips buttonFrame;
    Twips command1;
    Twips command2;
    const char* progressName;
    Twips progress;
    double progressPoints;
    const char* completionName;
    Twips completion;
    QColor completionColor; // invalid: the window's text colour
};

namespace DrillTexts {
inline const QString kAnswerYes = QStringLiteral("是");
inline const QString kAnswerNo = QStringLiteral("否");
inline const QString kOutputFrame = QStringLiteral("输出位置");
inline const QString kToPrinter = QStringLiteral("直接输出到打印机");
inline const QString kToFile = QStringLiteral("输出到Excel，调整后打印");
inline const QString kButtonFrame = QStringLiteral("智能生成");
inline const QString kReturn = QStringLiteral("返    回(&X)");
inline const QString kDone = QStringLiteral("100% 完成");
// The progress box text after a run: "100% 完成" after the window's own indent.
inline constexpr int kProgressIndent = 36;
QString progress(int indent = kProgressIndent);
QString heading(const QString& drillName);
QString generateCaption(const QString& drillName);
// The completion text of the row and set drills: "智能生成[N]题已完成。…“file”…".
QString completion(qint64 questions, const QString& fileName);
} // namespace DrillTexts

class DrillWindow : public QWidget {
    Q_OBJECT
public:
    DrillWindow(DrillEnvironment& environment, const DrillLayout& layout, QWidget* parent = nullptr);

signals:
    void returnRequested();

protected:
    virtual void generate() = 0;

    // A settings box with its title label on the same line.
    QLineEdit* addSetting(const char* labelName, const QString& title, Twips labelPlace, const char* boxName,
        const QString& text, Twips boxPlace);

    // Opens the chosen outputs and runs the drill on them. False when the
    // outputs refused (no printer) or the drill's output failed; both are
    // already reported.
    bool runOnOutputs(const std::function<bool(SheetOutputs&)>& drill);

    bool answersShown() const;
    OutputChoice outputChoice() const;
    // Turns the progress box black with its text and fills the completion label.
    void showCompletion(const QString& progressText, const QString& completionText);
    void closeEvent(QCloseEvent* event) override;

    DrillEnvironment& m_environment;

private:
    // Runs generate() under a busy cursor: a large run keeps the window busy for a while.
    void generateBusy();

    QRadioButton* m_showAnswers = nullptr;
    QCheckBox* m_toPrinter = nullptr;
    QCheckBox* m_toFile = nullptr;
    QLineEdit* m_progress = nullptr;
    QLabel* m_completion = nullptr;
};
