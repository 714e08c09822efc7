// Times every drill's heaviest run the way its window makes it (settings typed
// into the boxes, the generate button pressed, sheet files only) next to its
// floor, measured in the same process right after the run: drawing the same
// number of values one at a time and writing the same bytes to the same
// files through the same safe save (written aside, flushed, renamed). Prints
// one line per run, "name  time_ms  floor_ms  ratio", medians of several
// runs (how many follows in brackets); then the time to print the largest multiplication run (40 pages) to
// a PDF file through the printing path of the windows.

#include "common/Fonts.h"
#include "forms/ChainForm.h"
#include "forms/DrillWindow.h"
#include "forms/RowForm.h"
#include "forms/SetForm.h"
#include "printing/PrintTarget.h"
#include "random/RandomSource.h"
#include "shell/DrillRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
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

struct Work {
    const char* name;
    const char* entry; // the drill's menu entry in the drill registry
    Boxes boxes;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

volatile float g_sink = 0;

struct SheetFileBytes {
    QString name;
    QByteArray bytes;
};

// The files the run left in the directory, read back so the floor can write them again.
std::vector<SheetFileBytes> filesIn(const QDir& dir)
{
    std::vector<SheetFileBytes> files;
    for (const QString& name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadOnly);
        files.push_back({ name, file.readAll() });
    }
    return files;
}

double floorMs(RandomSource source, std::uint64_t draws, const std::vector<SheetFileBytes>& files)
{
    QElapsedTimer timer;
    timer.start();
    float sum = 0;
    for (std::uint64_t i = 0; i < draws; ++i) {
        sum += source.next();
    }
    g_sink = sum;
    for (const SheetFileBytes& f : files) {
        QSaveFile file(f.name);
        file.setDirectWriteFallback(false);
        file.open(QIODevice::WriteOnly);
        constexpr qsizetype kChunk = 1 << 16;
        for (qsizetype at = 0; at < f.bytes.size(); at += kChunk) {
            file.write(f.bytes.constData() + at, std::min(kChunk, f.bytes.size() - at));
        }
        file.commit();
    }
    return timer.nsecsElapsed() / 1e6;
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
        { "综合除算 4×(6÷5×50), 100 sets", "zhc", gridBoxes("6", "5", "50", "100") },
        { "中段乘算 6×5, 50×200×40", "zdcs", rowBoxes("6", "5", "50", "200", "40") },
        { "高段乘算 6×5, 50×200×40", "gdcs", rowBoxes("6", "5", "50", "200", "40") },
        { "高段除算 6÷5, 50×200×40", "gdchs", rowBoxes("6", "5", "50", "200", "40") },
        { "综合乘算 4×(6×5×50), 100 sets", "zhch",
            [] {
                Boxes b = gridBoxes("6", "5", "50", "100");
                b[SetForm::kPerRowBox] = "50";
                return b;
            }() },
        { "七笔加减 51×11×20", "j7", chain },
        { "五笔加减 51×11×20", "j5", chain },
        { "十笔加减 51×11×20", "j10", chain },
        { "幼儿加减 20以内, 20×50×40", "yer", rowBoxes("20", nullptr, "20", "50", "40") },
        { "低段加减 2±2, 20×50×40", "ddjj", rowBoxes("2", "2", "20", "50", "40") },
        { "中段加减 4±4, 20×50×40", "zdjj", rowBoxes("4", "4", "20", "50", "40") },
        { "高段加减 6±6, 20×50×40", "gdjj", rowBoxes("6", "6", "20", "50", "40") },
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
    std::printf("%-34s %10s %10s %7s\n", "name", "time_ms", "floor_ms", "ratio");
    for (const Work& work : works()) {
        if (!only.isEmpty() && !QString::fromUtf8(work.name).contains(only)) {
            continue;
        }
        const QString workDir = dir.filePath(QString::fromUtf8(work.name).left(4));
        QDir().mkpath(workDir);
        QDir::setCurrent(workDir);
        const std::unique_ptr<DrillWindow> window = makeWindow(work.entry, environment);
        setUp(*window, work.boxes, false, true);
        auto* generate = window->findChild<QPushButton*>(DrillNames::kGenerate);
        std::vector<double> runs;
        std::vector<double> floors;
        double busy = 0;
        for (int i = 0; i < kMostRepeats && (i < kRepeats || busy < kBusyMs); ++i) {
            const RandomSource before = random;
            QElapsedTimer timer;
            timer.start();
            generate->click();
            runs.push_back(timer.nsecsElapsed() / 1e6);
            floors.push_back(floorMs(before, random.draws() - before.draws(), filesIn(QDir(workDir))));
            busy += runs.back() + floors.back();
        }
        const double run = median(runs);
        const double floor = median(floors);
        std::printf(
            "%-34s %10.1f %10.1f %7.2f  (%zu runs)\n", work.name, run, floor, run / floor, runs.size());
        std::fflush(stdout);
    }

    if (only.isEmpty() || only == QLatin1String("print")) {
        // Printing has no floor to compare with; a slow print is timed once.
        const std::unique_ptr<DrillWindow> window = makeWindow("zdcs", environment);
        setUp(*window, rowBoxes("6", "5", "50", "200", "40"), true, false);
        auto* generate = window->findChild<QPushButton*>(DrillNames::kGenerate);
        std::vector<double> runs;
        for (int i = 0; i < kRepeats && (runs.empty() || runs.front() < 5000); ++i) {
            QElapsedTimer timer;
            timer.start();
            generate->click();
            runs.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("%-34s %10.1f %10s %7s  (%zu run%s, %lld bytes of PDF)\n", "print 中段乘算 6×5, 40 pages",
            median(runs), "-", "-", runs.size(), runs.size() == 1 ? "" : "s",
            static_cast<long long>(QFileInfo(dir.filePath(QStringLiteral("print.pdf"))).size()));
    }
    return 0;
}
