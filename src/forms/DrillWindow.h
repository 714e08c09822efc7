// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pattern every drill window follows: a heading, the answer choice, the
// two outputs, the generate, preview and return buttons, the progress box
// and the completion label. A concrete drill adds its settings boxes and
// reads them into the run they ask for; the window runs it, shows what failed
// and the texts of a finished run.

#include "forms/Controls.h"
#include "forms/DrillEnvironment.h"
#include "forms/DrillTexts.h"
#include "output/SheetRun.h"
#include "printing/PrintedPages.h"

#include <QColor>
#include <QPageLayout>
#include <QPalette>
#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

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

class DrillWindow : public QWidget {
    Q_OBJECT
public:
    DrillWindow(DrillEnvironment& environment, const DrillLayout& layout, QWidget* parent = nullptr);

signals:
    void returnRequested();

protected:
    // A run as the drill's boxes ask for it, and the texts a finished run shows.
    struct DrillRun {
        PassWriter writePass;
        QString progress;
        QString completion;
        QString sheetName; // the sheet's name without ".xls", for a PDF of it
    };
    // Reads the drill's boxes and checks them; nothing once a refusal is shown.
    virtual std::optional<DrillRun> readRun() = 0;
    // A sheet was generated (or printed from its preview), not only previewed.
    virtual void sheetGenerated() { }

    // A settings box with its title label on the same line.
    QLineEdit* addSetting(const char* labelName, const QString& title, Twips labelPlace, const char* boxName,
        const QString& text, Twips boxPlace);

    // Widgets that follow one another on the keyboard in this order, wherever
    // they stand on the screen; the first of them, where given, takes the
    // focus at each opening instead of the first settings box.
    void setKeyboardChain(QList<QWidget*> chain, bool focusFirst);

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    DrillEnvironment& m_environment;

private:
    RunRequest request() const;
    // Reads and carries out the run for the generate button (previewing
    // false) or the preview button, with a busy cursor.
    void startRun(bool previewing);
    // Runs the drill and shows what failed, or the texts of the finished run;
    // the pages of a finished preview are kept for the preview window.
    void execute(const DrillRun& run, bool previewing);
    // Turns the progress box black with its text and fills the completion
    // label, noting print below a legible size.
    void showCompletion(const DrillRun& run, double printedPoints);
    // Empties the progress box and the completion label, as before any run.
    void clearCompletion();
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
    QList<QWidget*> m_keyboardChain;
    bool m_focusChainFirst = false;
    PrintedPages m_previewPages;
    QPageLayout m_previewPaper; // the printer's paper, asked once per preview
};
