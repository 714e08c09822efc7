// Times every drill's heaviest run the way its window makes it (settings typed
// into the boxes, the generate button pressed, sheet files only) against its
// time budget. Prints one line per run, "name  budget_ms  median_ms", the
// median of several runs (how many follows in brackets) and "OVER BUDGET"
// where the median exceeds the budget; then print jobs of 40 pages through
// the printing path of the windows (to a PDF file) and the preview's first
// page of the largest layout, each against its budget. Exits with 1 when
// anything was over its budget.

#include "common/Fonts.h"
#include "drills/mixed/MixedWindow.h"
#include "drills/units/UnitWindow.h"
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
    const char* name;
    const char* entry; // the drill's menu entry in the drill registry
    Boxes boxes;
    double budgetMs = kBudgetMs;
    // Builds the window where it is not in the registry; the last setting before the run.
    std::unique_ptr<DrillWindow> (*make)(DrillEnvironment& environment) = nullptr;
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

Boxes gridBoxes(const char* first, const char* second, const char* count, const char* sets)
{
    Boxes boxes { { SetForm::kSetsBox, sets } };
    for (const auto& kind : SetForm::kBoxNames) {
        boxes[kind[0]] = first;
        boxes[kind[1]] = second;
        boxes[kind[2]] = count;
    }
    return boxes;
}

std::vector<Work> works()
{
    const Boxes chain { { ChainForm::kPerRowBox, "51" }, { ChainForm::kRowsBox, "11" },
        { ChainForm::kPagesBox, "20" } };
    return {
        { "综合除算 4×(6÷5×50), 100 sets", "zhc", gridBoxes("6", "5", "50", "100"), kRejectionBudgetMs },
        { "中段乘算 6×5, 50×200×40", "zdcs", rowBoxes("6", "5", "50", "200", "40") },
        { "高段乘算 6×5, 50×200×40", "gdcs", rowBoxes("6", "5", "50", "200", "40") },
        { "高段除算 6÷5, 50×200×40", "gdchs", rowBoxes("6", "5", "50", "200", "40") },
        { "综合乘算 4×(6×5×50), 100 sets", "zhch",
            [] {
                Boxes b = gridBoxes("6", "5", "50", "100");
                b[SetForm::kPerRowBox] = "50";
                return b;
            }(),
            kRejectionBudgetMs },
        { "七笔加减 51×11×20", "j7", chain },
        { "五笔加减 51×11×20", "j5", chain },
        { "十笔加减 51×11×20", "j10", chain },
        { "幼儿加减 20以内, 20×50×40", "yer", rowBoxes("20", nullptr, "20", "50", "40") },
        { "低段加减 2±2, 20×50×40", "ddjj", rowBoxes("2", "2", "20", "50", "40") },
        { "中段加减 4±4, 20×50×40", "zdjj", rowBoxes("4", "4", "20", "50", "40") },
        { "高段加减 6±6, 20×50×40", "gdjj", rowBoxes("6", "6", "20", "50", "40") },
        { "教材同步 万以内加减综合, 10×50×40", nullptr,
            { { UnitForm::kPerRowBox, "10" }, { UnitForm::kRowsBox, "50" }, { UnitForm::kPagesBox, "40" } },
            kBudgetMs,
            [](DrillEnvironment& e) -> std::unique_ptr<DrillWindow> {
                return std::make_unique<UnitWindow>(e, UnitDrillDefinition {});
            },
            [](DrillWindow& window) {
                // 人教版 二年级下册 第四单元 本单元综合: of one run of each entry the slowest.
                window.findChild<QComboBox*>(UnitForm::kBookList)
                    ->setCurrentText(QStringLiteral("二年级下册"));
                window.findChild<QComboBox*>(UnitForm::kUnitList)
                    ->setCurrentText(QStringLiteral("第四单元 万以内的加法和减法"));
                window.findChild<QComboBox*>(UnitForm::kEntryList)->setCurrentText(UnitTexts::kWholeUnit);
            } },
        { "四则混合 加减乘除两步带括号, 10×50×40", nullptr,
            { { MixedForm::kPerRowBox, "10" }, { MixedForm::kRowsBox, "50" },
                { MixedForm::kPagesBox, "40" } },
            kBudgetMs,
            [](DrillEnvironment& e) -> std::unique_ptr<DrillWindow> {
                return std::make_unique<MixedWindow>(e, MixedDrillDefinition {});
            },
            [](DrillWindow& window) {
                window.findChild<QRadioButton*>(MixedForm::kSteps[2])->setChecked(true);
            } },
    };
}

// The drill window of that menu entry, built as the shell builds it.
std::unique_ptr<DrillWindow> makeWindow(const char* entry, DrillEnvironment& environment)
{
    return DrillRegistry::find(QLatin1String(entry))->makeWindow(environment);
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
    QDir::setCurrent(dir.path());
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    PdfPrintTarget pdf(dir.filePath(QStringLiteral("print.pdf")));
    RandomSource random;
    DrillEnvironment environment { random, pdf };
    std::printf("%-34s %10s %10s\n", "name", "budget_ms", "median_ms");
    bool overBudget = false;
    for (const Work& work : works()) {
        if (!only.isEmpty() && !QString::fromUtf8(work.name).contains(only)) {
            continue;
        }
        const QString workDir = dir.filePath(QString::fromUtf8(work.name).left(4));
        QDir().mkpath(workDir);
        QDir::setCurrent(workDir);
        const std::unique_ptr<DrillWindow> window
            = work.make ? work.make(environment) : makeWindow(work.entry, environment);
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
        std::printf("%-34s %10.0f %10.1f  (%zu runs)%s\n", work.name, work.budgetMs, run, runs.size(),
            over ? "  OVER BUDGET" : "");
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
        const std::unique_ptr<DrillWindow> window = makeWindow("zdcs", environment);
        setUp(*window, job.boxes, !job.preview, false);
        // The preview is timed to its first page on the screen.
        const PreviewWindow::Handler previous
            = PreviewWindow::setHandler([](QWidget*, const PrintedPages& pages, PrintTarget& target) {
                  PageView view(pages, target.pageLayout());
                  view.resize(1000, 800);
                  view.show();
                  view.grab();
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
