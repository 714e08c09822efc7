#pragma once
// The pattern every drill window follows: a heading, the answer choice, the
// two outputs, the generate, preview and return buttons, the progress box
// and the completion label. A concrete drill adds its settings boxes and its
// generate step, which reads the boxes, validates them and runs the drill
// through runOnOutputs().

#include "forms/Controls.h"
#include "forms/DrillEnvironment.h"
#include "output/SheetOutputs.h"
#include "printing/PrintedPages.h"

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RandomSource;

// Where a drill window's shared controls stand and what they are called.
struct DrillLayout {
    QString drillName; // named in the heading and on the generate button
    Twips heading;
    const char* answerFrameName;
    QString answerFrameCaption;
    Twips answerFrame;
    Twips option1;
    Twips option2;
    Twips option3;
    const char* outputFrameName;
    Twips outputFrame;
    Twips check1;
    Twips check2;
    const char* buttonFrameName;
    Twips buttonFrame;
    Twips command1;
    Twips command2;
    Twips command3;
    const char* progressName;
    Twips progress;
    double progressPoints;
    const char* completionName;
    Twips completion;
    QColor completionColor = QColor(); // invalid: the window's text colour
};

namespace DrillTexts {
inline const QString kAnswerYes = QStringLiteral("是");
inline const QString kAnswerNo = QStringLiteral("否");
inline const QString kAnswerSeparate = QStringLiteral("另附答案");
inline const QString kOutputFrame = QStringLiteral("输出位置");
inline const QString kToPrinter = QStringLiteral("直接输出到打印机");
inline const QString kToFile = QStringLiteral("输出到Excel，调整后打印");
inline const QString kButtonFrame = QStringLiteral("智能生成");
inline const QString kReturn = QStringLiteral("返    回(&X)");
inline const QString kPreview = QStringLiteral("打印预览(&V)");
inline const QString kDone = QStringLiteral("100% 完成");
// The progress box text after a run: "100% 完成" after the window's own indent.
inline constexpr int kProgressIndent = 36;
QString progress(int indent = kProgressIndent);
QString heading(const QString& drillName);
QString generateCaption(const QString& drillName);
// The completion text: "智能生成[N]题已完成。…“file”…调整即可。谢谢！". The chain
// drills name what was made after "智能生成" and end "调整即可打印。谢谢！".
QString completion(
    qint64 questions, const QString& fileName, const QString& subject = QString(), bool toPrint = false);
// Added to the completion text when printed pages came out very small.
QString smallPrint(double points);
} // namespace DrillTexts

// The object names of the shared controls.
namespace DrillNames {
inline constexpr const char* kHeading = "Label1";
inline constexpr const char* kShowAnswers = "Option1";
inline constexpr const char* kHideAnswers = "Option2";
inline constexpr const char* kSeparateAnswers = "Option3";
inline constexpr const char* kToPrinter = "Check1";
inline constexpr const char* kToFile = "Check2";
inline constexpr const char* kGenerate = "Command1";
inline constexpr const char* kReturn = "Command2";
inline constexpr const char* kPreview = "Command3";
} // namespace DrillNames

// One pass of a run over the drill: with or without answers, drawing from
// the given source. A run with a separate answer sheet makes two passes from
// the same draws.
struct DrillPass {
    bool answers;
    RandomSource& random;
};

class DrillWindow : public QWidget {
    Q_OBJECT
public:
    DrillWindow(DrillEnvironment& environment, const DrillLayout& layout, QWidget* parent = nullptr);

    using PassRunner = std::function<bool(SheetOutputs& outputs, const DrillPass& pass)>;

signals:
    void returnRequested();

protected:
    virtual void generate() = 0;

    // A settings box with its title label on the same line.
    QLineEdit* addSetting(const char* labelName, const QString& title, Twips labelPlace, const char* boxName,
        const QString& text, Twips boxPlace);

    // Opens the chosen outputs and runs the drill on them: one pass, or for
    // a separate answer sheet a pass without answers and then, from the same
    // draws, one with them. False when the outputs refused (no printer) or
    // an output failed; both are already reported.
    bool runOnOutputs(const PassRunner& runPass);

    OutputChoice outputChoice() const;
    // Turns the progress box black with its text and fills the completion label.
    void showCompletion(const QString& progressText, const QString& completionText);
    // Empties the progress box and the completion label, as before any run.
    void clearCompletion();
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    DrillEnvironment& m_environment;

private:
    enum class Answers { Shown, Hidden, Separate };
    Answers answerChoice() const;
    // Runs generate() for the generate button (previewing false) or the
    // preview button, with a busy cursor.
    void start(bool previewing);
    // Tab order as the controls stand on the screen; Enter in a settings box generates.
    void arrangeKeyboard();
    QList<QLineEdit*> settingsBoxes() const;

    QRadioButton* m_showAnswers = nullptr;
    QRadioButton* m_separateAnswers = nullptr;
    QCheckBox* m_toPrinter = nullptr;
    QCheckBox* m_toFile = nullptr;
    QLineEdit* m_progress = nullptr;
    QPalette m_emptyProgress; // the progress box's look before any run
    QLabel* m_completion = nullptr;
    QList<QWidget*> m_sharedControls; // answers, outputs, buttons: the end of the Tab chain
    bool m_keyboardArranged = false;
    bool m_previewing = false;
    PrintedPages m_previewPages;
    double m_printedPoints = 12.0;
};
