// Times the largest division runs next to the time the same number of random
// draws takes on its own: one set of 200 six-digit ÷ five-digit questions, and
// the default run of ten sets written to sheet files (and the same run with
// no output, to tell drawing and layout apart from writing the files).

#include "drills/divide/Division.h"
#include "drills/divide/DivisionDrills.h"
#include "printing/PrintTarget.h"
#include "random/RandomSource.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

namespace {
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// True when both sources give the same next values, that is, stand at the same place.
bool samePlace(RandomSource a, RandomSource b)
{
    for (int i = 0; i < 3; ++i) {
        if (a.next() != b.next()) {
            return false;
        }
    }
    return true;
}

// How many values were drawn to get from one place of the source to another.
std::uint64_t drawsBetween(RandomSource from, const RandomSource& to)
{
    std::uint64_t draws = 0;
    while (!samePlace(from, to)) {
        from.next();
        ++draws;
    }
    return draws;
}

volatile float g_sink = 0;

double drawingAlone(RandomSource source, std::uint64_t draws)
{
    const auto start = Clock::now();
    float sum = 0;
    for (std::uint64_t i = 0; i < draws; ++i) {
        sum += source.next();
    }
    g_sink = sum;
    return millisecondsSince(start);
}

void report(const char* what, double runMs, std::uint64_t draws, double drawsMs)
{
    std::printf("%-34s %9.2f ms  %10llu draws  drawing alone %8.2f ms  ratio %.2f\n", what, runMs,
        static_cast<unsigned long long>(draws), drawsMs, drawsMs > 0 ? runMs / drawsMs : 0.0);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    RandomSource random;
    const std::array<DivisionKind, DivisionRules::kKinds> widest { { { 6, 5, 50 }, { 6, 5, 50 }, { 6, 5, 50 },
        { 6, 5, 50 } } };
    for (int set = 1; set <= 5; ++set) {
        const RandomSource before = random;
        const auto start = Clock::now();
        const std::vector<SetEntry> order = BuildDivisionSet(random, widest);
        const double runMs = millisecondsSince(start);
        const std::uint64_t draws = drawsBetween(before, random);
        char what[64];
        std::snprintf(what, sizeof what, "200 × (6÷5), set %d (%zu)", set, order.size());
        report(what, runMs, draws, drawingAlone(before, draws));
    }

    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    PdfPrintTarget unused(dir.filePath(QStringLiteral("unused.pdf")));
    RandomSource windowRandom;
    DrillEnvironment environment { windowRandom, unused };
    SetDrillWindow window(environment, DivisionDrills::sets());
    auto* generate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    const auto timeRuns = [&](const char* label) {
        for (int run = 1; run <= 3; ++run) {
            const RandomSource before = windowRandom;
            const auto start = Clock::now();
            generate->click();
            const double runMs = millisecondsSince(start);
            const std::uint64_t draws = drawsBetween(before, windowRandom);
            char what[64];
            std::snprintf(what, sizeof what, "%s, run %d", label, run);
            report(what, runMs, draws, drawingAlone(before, draws));
        }
    };
    timeRuns("default 10 sets to files");
    // The same run without outputs: what drawing and laying out the sets costs.
    window.findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(false);
    timeRuns("default 10 sets, no output");
    std::printf("sheet files written: %lld\n",
        static_cast<long long>(QDir(dir.path()).entryList({ QStringLiteral("*.xls") }).size()));
    QDir::setCurrent(previous);
    return 0;
}
