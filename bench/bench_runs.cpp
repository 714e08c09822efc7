// Times every drill's heaviest run the way its window makes it (settings typed
// into the boxes, the generate button pressed, sheet files only) against its
// time budget. Prints one line per run, "name  budget_ms  median_ms", the
// median of several runs (how many follows in brackets) and "OVER BUDGET"
// where the median exceeds the budget; then the time to print the largest
// multiplication run (40 pages) to a PDF file through the printing path of
// the windows. Exits with 1 when a run was over its budget.

#include "common/Fonts.h"
#include "drills/addsub/AddSubWindow.h"
#include "drills/chains/ChainWindow.h"
#include "drills/divide/DivisionDrills.h"
#include "drills/multiply/MultiplyDrills.h"
#include "forms/ChainForm.h"
#include "forms/SetForm.h"
#include "printing/PrintTarget.h"
#include "random/RandomSource.h"

#include <QApplication>
#include <QCheckBox>
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
    std::function<std::unique_ptr<DrillWindow>(DrillEnvironment&)> window;
    Boxes boxes;
    double budgetMs = kBudgetMs;
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
    const auto addSub = [](AddSubDrill drill) {
        return [drill](DrillEnvironment& e) -> std::unique_ptr<DrillWindow> {
            return std::make_unique<AddSubWindow>(e, addSubDrillDefinition(drill));
        };
    };
    return {
        { "综合除算 4×(6÷5×50), 100 sets",
            [](DrillEnvironment& e) { return std::make_unique<SetDrillWindow>(e, DivisionDrills::sets()); },
            gridBoxes("6", "5", "50", "100"), kRejectionBudgetMs },
        { "中段乘算 6×5, 50×200×40",
            [](DrillEnvironment& e) {
                return std::make_unique<OperandRowWindow>(e, MultiplyDrills::rows(MultiplyGrade::Middle));
            },
            rowBoxes("6", "5", "50", "200", "40") },
        { "高段乘算 6×5, 50×200×40",
            [](DrillEnvironment& e) {
                return std::make_unique<OperandRowWindow>(e, MultiplyDrills::rows(MultiplyGrade::Upper));
            },
            rowBoxes("6", "5", "50", "200", "40") },
        { "高段除算 6÷5, 50×200×40",
            [](DrillEnvironment& e) { return std::make_unique<OperandRowWindow>(e, DivisionDrills::rows()); },
            rowBoxes("6", "5", "50", "200", "40") },
        { "综合乘算 4×(6×5×50), 100 sets",
            [](DrillEnvironment& e) { return std::make_unique<SetDrillWindow>(e, MultiplyDrills::sets()); },
            [] {
                Boxes b = gridBoxes("6", "5", "50", "100");
                b[SetForm::kPerRowBox] = "50";
                return b;
            }(),
            kRejectionBudgetMs },
        { "七笔加减 51×11×20",
            [](DrillEnvironment& e) { return std::make_unique<ChainWindow>(e, ChainDrills::kSevenTerm); },
            chain },
        { "五笔加减 51×11×20",
            [](DrillEnvironment& e) { return std::make_unique<ChainWindow>(e, ChainDrills::kFiveTerm); },
            chain },
        { "十笔加减 51×11×20",
            [](DrillEnvironment& e) { return std::make_unique<ChainWindow>(e, ChainDrills::kTenTerm); },
            chain },
        { "幼儿加减 20以内, 20×50×40", addSub(AddSubDrill::Kindergarten),
            rowBoxes("20", nullptr, "20", "50", "40") },
        { "低段加减 2±2, 20×50×40", addSub(AddSubDrill::Lower), rowBoxes("2", "2", "20", "50", "40") },
        { "中段加减 4±4, 20×50×40", addSub(AddSubDrill::Middle), rowBoxes("4", "4", "20", "50", "40") },
        { "高段加减 6±6, 20×50×40", addSub(AddSubDrill::Upper), rowBoxes("6", "6", "20", "50", "40") },
    };
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
        const std::unique_ptr<DrillWindow> window = work.window(environment);
        setUp(*window, work.boxes, false, true);
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

    if (only.isEmpty() || only == QLatin1String("print")) {
        // A slow print is timed once.
        OperandRowWindow window(environment, MultiplyDrills::rows(MultiplyGrade::Middle));
        setUp(window, rowBoxes("6", "5", "50", "200", "40"), true, false);
        auto* generate = window.findChild<QPushButton*>(DrillNames::kGenerate);
        std::vector<double> runs;
        for (int i = 0; i < kRepeats && (runs.empty() || runs.front() < 5000); ++i) {
            QElapsedTimer timer;
            timer.start();
            generate->click();
            runs.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("%-34s %10s %10.1f  (%zu run%s, %lld bytes of PDF)\n", "print 中段乘算 6×5, 40 pages",
            "-", median(runs), runs.size(), runs.size() == 1 ? "" : "s",
            static_cast<long long>(QFileInfo(dir.filePath(QStringLiteral("print.pdf"))).size()));
    }
    return overBudget ? 1 : 0;
}
