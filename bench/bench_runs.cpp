// SPDX-License-Identifier: GPL-3.0-or-later
// Times every drill's heaviest run the way its window makes it (settings typed
// into the boxes, the generate button pressed, sheet files only) against its
// time budget. Prints one line per run, "name  budget_ms  median_ms", the
// median of several runs (how many follows in brackets) and "OVER BUDGET"
// where the median exceeds the budget; then print jobs of 40 pages through
// the printing path of the windows (to a PDF file) and the preview's first
// page of the largest layout, each against its budget. Exits with 1 when
// anything was over its budget.

#include "common/Fonts.h"
#include "drills/addsub/AddSubtract.h"
#include "drills/chains/ChainDrill.h"
#include "forms/ChainForm.h"
#include "forms/DrillWindow.h"
#include "forms/MixedForm.h"
#include "forms/PageView.h"
#include "forms/PreviewWindow.h"
#include "forms/RowForm.h"
#include "forms/SetForm.h"
#include "forms/UnitForm.h"
#include "printing/PrintTarget.h"
#include "random/RandomSource.h"
#include "shell/DrillRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {
// Each work runs at least kRepeats times, and short ones again until their
// runs add up to kBusyMs (at most kMostRepeats times): this machine's speed
// drifts, and a median of many short runs holds still where five do not.
constexpr int kRepeats = 5;
constexpr double kBusyMs = 1500;
constexpr int kMostRepeats = 200;

using Boxes = std::map<QString, QString>;

// A drill's largest run takes at most this long; the two that draw
// questions by rejection (comprehensive division and multiplication) more.
constexpr double kBudgetMs = 150;
constexpr double kRejectionBudgetMs = 800;

struct Work {
    QString name;
    const DrillEntry* drill;
    Boxes boxes;
    double budgetMs = kBudgetMs;
    // The last choice before the runs, for what the boxes cannot say.
    void (*choose)(DrillWindow& window) = nullptr;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void setUp(DrillWindow& window, const Boxes& boxes, bool printer, bool file)
{
    for (const auto& [name, text] : boxes) {
        window.findChild<QLineEdit*>(name)->setText(text);
    }
    window.findChild<QRadioButton*>(DrillNames::kShowAnswers)->setChecked(true);
    window.findChild<QCheckBox*>(DrillNames::kToPrinter)->setChecked(printer);
    window.findChild<QCheckBox*>(DrillNames::kToFile)->setChecked(file);
}

Boxes rowBoxes(const char* first, const char* second, const char* perRow, const char* rows, const char* pages)
{
    Boxes boxes { { RowForm::kPerRowBox, perRow }, { RowForm::kRowsBox, rows },
        { RowForm::kPagesBox, pages } };
    boxes[RowForm::kFirstBox] = first;
    if (second) {
        boxes[RowForm::kSecondBox] = second;
    }
    return boxes;
}

template <typename... Cases> struct Overloaded : Cases... {
    using Cases::operator()...;
};
template <typename... Cases> Overloaded(Cases...) -> Overloaded<Cases...>;

QString number(int value)
{
    return QString::number(value);
}

// The boxes of a row window at the highest operands and layout it accepts.
Work largestRows(const std::vector<int>& operands, const RowLayoutLimits& limits)
{
    Work work;
    const char* operandBoxes[] { RowForm::kFirstBox, RowForm::kSecondBox };
    QStringList shown;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        work.boxes[operandBoxes[i]] = number(operands[i]);
        shown << number(operands[i]);
    }
    work.boxes[RowForm::kPerRowBox] = number(limits.maxPerRow);
    work.boxes[RowForm::kRowsBox] = number(limits.maxRows);
    work.boxes[RowForm::kPagesBox] = number(limits.maxPages);
    work.name = (shown.isEmpty() ? QString() : shown.join(QLatin1Char('/')) + QStringLiteral(", "))
        + QStringLiteral("%1×%2×%3").arg(limits.maxPerRow).arg(limits.maxRows).arg(limits.maxPages);
    return work;
}

// A drill's heaviest run, read from its definition: the highest operands and
// the largest layout its window accepts. Set drills, which draw by
// rejection, have the larger budget.
Work largestRun(const DrillDefinition& definition)
{
    return std::visit(
        Overloaded {
            [](const ChainDrillDefinition&) {
                using namespace ChainDrill;
                return Work { QStringLiteral("%1×%2×%3").arg(kMaxPerRow).arg(kMaxRows).arg(kMaxPages),
                    nullptr,
                    { { ChainForm::kPerRowBox, number(kMaxPerRow) },
                        { ChainForm::kRowsBox, number(kMaxRows) },
                        { ChainForm::kPagesBox, number(kMaxPages) } } };
            },
            [](const AddSubDrillDefinition& drill) {
                return drill.maxDigits == 0
                    ? largestRows({ AddSubtract::kMaxLimit }, AddSubtract::kLayoutLimits)
                    : largestRows({ drill.maxDigits, drill.maxDigits }, AddSubtract::kLayoutLimits);
            },
            [](const RowDrillDefinition& drill) {
                std::vector<int> operands;
                for (const OperandBox& box : drill.boxes.operands) {
                    operands.push_back(box.high);
                }
                return largestRows(operands, drill.boxes.layoutLimits);
            },
            [](const SetDrillDefinition& drill) {
                const KindGridRules& rules = drill.rules;
                Work work { QStringLiteral("4×(%1/%2×%3), %4 sets")
                                .arg(rules.firstHigh)
                                .arg(rules.secondHigh)
                                .arg(rules.countHigh)
                                .arg(SetDrillTexts::kMaxSets),
                    nullptr, { { SetForm::kSetsBox, number(SetDrillTexts::kMaxSets) } }, kRejectionBudgetMs };
                for (const auto& kind : SetForm::kBoxNames) {
                    work.boxes[kind[0]] = number(rules.firstHigh);
                    work.boxes[kind[1]] = number(rules.secondHigh);
                    work.boxes[kind[2]] = number(rules.countHigh);
                }
                return work;
            },
            [](const UnitDrillDefinition& drill) {
                // 人教版 二年级下册 第四单元 本单元综合: of one run of each entry the slowest.
                Work work = largestRows({}, drill.layoutLimits);
                work.name = QStringLiteral("二年级下册第四单元综合, ") + work.name;
                work.choose = [](DrillWindow& window) {
                    window.findChild<QComboBox*>(UnitForm::kBookList)
                        ->setCurrentText(QStringLiteral("二年级下册"));
                    window.findChild<QComboBox*>(UnitForm::kUnitList)
                        ->setCurrentText(QStringLiteral("第四单元 万以内的加法和减法"));
                    window.findChild<QComboBox*>(UnitForm::kEntryList)->setCurrentText(UnitTexts::kWholeUnit);
                };
                return work;
            },
            [](const MixedDrillDefinition& drill) {
                // All four operations, two steps with brackets.
                Work work = largestRows({ drill.largest, drill.results }, drill.layoutLimits);
                work.name = QStringLiteral("加减乘除两步带括号, ") + work.name;
                work.choose = [](DrillWindow& window) {
                    window.findChild<QRadioButton*>(MixedForm::kSteps[2])->setChecked(true);
                };
                return work;
            },
        },
        definition);
}

// The textbook entry with the most questions, 人教版 四年级下册 小数加、减法
// (1 457 550, gone through once for every sheet), on the largest sheet.
Work largestEntryRun(const UnitDrillDefinition& drill)
{
    Work work = largestRows({}, drill.layoutLimits);
    work.name = QStringLiteral("四年级下册小数加、减法, ") + work.name;
    work.choose = [](DrillWindow& window) {
        window.findChild<QComboBox*>(UnitForm::kEditionList)->setCurrentText(QStringLiteral("人教版"));
        window.findChild<QComboBox*>(UnitForm::kBookList)->setCurrentText(QStringLiteral("四年级下册"));
        window.findChild<QComboBox*>(UnitForm::kUnitList)
            ->setCurrentText(QStringLiteral("第六单元 小数的加法和减法"));
        window.findChild<QComboBox*>(UnitForm::kEntryList)->setCurrentText(QStringLiteral("小数加、减法"));
    };
    return work;
}

// Every drill's heaviest run, in the order of the menu.
std::vector<Work> works()
{
    std::vector<Work> all;
    for (const DrillEntry& drill : DrillRegistry::drills()) {
        std::vector<Work> runs { largestRun(drill.definition) };
        if (const auto* units = std::get_if<UnitDrillDefinition>(&drill.definition)) {
            runs.push_back(largestEntryRun(*units));
        }
        // Named as its window's heading names the drill (教材同步, 四则混合 …).
        const QString drillName = std::visit([](const auto& d) { return d.drillName; }, drill.definition);
        for (Work& work : runs) {
            work.name = drillName + QLatin1Char(' ') + work.name;
            work.drill = &drill;
            all.push_back(std::move(work));
        }
    }
    return all;
}

// The drill window of that menu entry, built as the shell builds it.
std::unique_ptr<DrillWindow> makeWindow(const DrillEntry& drill, DrillEnvironment& environment)
{
    return DrillRegistry::makeWindow(drill.definition, environment);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    Fonts::installSubstitutions();
    QTemporaryDir dir;
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    PdfPrintTarget pdf(dir.filePath(QStringLiteral("print.pdf")));
    RandomSource random;
    DrillEnvironment environment { random, pdf, dir.path() };
    std::printf("%-34s %10s %10s\n", "name", "budget_ms", "median_ms");
    bool overBudget = false;
    for (const Work& work : works()) {
        if (!only.isEmpty() && !work.name.contains(only)) {
            continue;
        }
        const std::unique_ptr<DrillWindow> window = makeWindow(*work.drill, environment);
        setUp(*window, work.boxes, false, true);
        if (work.choose) {
            work.choose(*window);
        }
        auto* generate = window->findChild<QPushButton*>(DrillNames::kGenerate);
        std::vector<double> runs;
        double busy = 0;
        for (int i = 0; i < kMostRepeats && (i < kRepeats || busy < kBusyMs); ++i) {
            QElapsedTimer timer;
            timer.start();
            generate->click();
            runs.push_back(timer.nsecsElapsed() / 1e6);
            busy += runs.back();
        }
        const double run = median(runs);
        const bool over = run > work.budgetMs;
        overBudget = overBudget || over;
        std::printf("%-34s %10.0f %10.1f  (%zu runs)%s\n", qPrintable(work.name), work.budgetMs, run,
            runs.size(), over ? "  OVER BUDGET" : "");
        std::fflush(stdout);
    }

    // Print jobs of the default layout and of the largest one a window
    // accepts, and the preview of the largest one, each against its budget.
    struct Job {
        const char* name;
        Boxes boxes;
        double budgetMs;
        bool preview;
    };
    const Job jobs[] = {
        { "print 中段乘算 default, 40 pages", rowBoxes("3", "1", "5", "30", "40"), 1000, false },
        { "print 中段乘算 6×5, 50×200×40", rowBoxes("6", "5", "50", "200", "40"), 10000, false },
        { "preview 中段乘算 6×5, 50×200×40", rowBoxes("6", "5", "50", "200", "40"), 2000, true },
    };
    for (const Job& job : jobs) {
        if (!only.isEmpty() && !QString::fromUtf8(job.name).contains(only)) {
            continue;
        }
        const std::unique_ptr<DrillWindow> window
            = makeWindow(*DrillRegistry::find(QStringLiteral("zdcs")), environment);
        setUp(*window, job.boxes, !job.preview, false);
        // The preview is timed to its first page on the screen.
        const PreviewWindow::Handler previous
            = PreviewWindow::setHandler([](QWidget*, const PrintedPages& pages, PrintTarget& target) {
                  PageView view(pages, target.pageLayout());
                  view.resize(1000, 800);
                  view.show();
                  view.grab();
                  return false;
              });
        auto* button
            = window->findChild<QPushButton*>(job.preview ? DrillNames::kPreview : DrillNames::kGenerate);
        std::vector<double> runs;
        for (int i = 0; i < kRepeats && (runs.empty() || runs.front() < 5000); ++i) {
            QElapsedTimer timer;
            timer.start();
            button->click();
            runs.push_back(timer.nsecsElapsed() / 1e6);
        }
        PreviewWindow::setHandler(previous);
        const double run = median(runs);
        const bool over = run > job.budgetMs;
        overBudget = overBudget || over;
        std::printf("%-34s %10.0f %10.1f  (%zu run%s)%s\n", job.name, job.budgetMs, run, runs.size(),
            runs.size() == 1 ? "" : "s", over ? "  OVER BUDGET" : "");
        std::fflush(stdout);
    }
    return overBudget ? 1 : 0;
}
