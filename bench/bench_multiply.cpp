// Times the largest multiplication run (6 × 5 digits, 50 per row, 200 rows,
// 40 pages, answers shown, sheet file only: 400,000 questions) next to its
// floor: drawing the same number of random values and writing the same
// number of bytes. The sheet file replaces the earlier one safely (written
// aside, flushed to disk, then renamed), so the floor is also shown with the
// same bytes written that way.

#include "drills/multiply/Multiplication.h"
#include "printing/PrintTarget.h"
#include "output/SheetOutputs.h"
#include "random/RandomSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPagedPaintDevice>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <type_traits>

namespace {
constexpr int kRepeats = 5;

float drawAlone(std::uint64_t draws)
{
    RandomSource alone;
    float sink = 0;
    for (std::uint64_t d = 0; d < draws; ++d) {
        sink += alone.next();
    }
    return sink;
}

template <typename File> void writeBytes(const QString& name, qint64 bytes)
{
    File file(name);
    file.open(QIODevice::WriteOnly);
    const QByteArray chunk(1 << 16, '7');
    for (qint64 left = bytes; left > 0; left -= chunk.size()) {
        file.write(chunk.constData(), std::min<qint64>(left, chunk.size()));
    }
    if constexpr (std::is_same_v<File, QSaveFile>) {
        file.commit();
    } else {
        file.close();
    }
}

class NoPrinter : public PrintTarget {
public:
    QString refusal() const override { return QStringLiteral("no printer"); }
    PrintOutcome print(const PrintedPages&) override { return { QStringLiteral("no printer"), 0 }; }
};
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const MultiplySettings settings { 6, 5, 50, 200, 40, true };
    const QString sheet = QStringLiteral("中段6位乘5位速算.xls");
    NoPrinter noPrinter;

    double runBest = 1e18;
    double floorBest = 1e18;
    double safeFloorBest = 1e18;
    float sinks = 0;
    std::uint64_t draws = 0;
    qint64 bytes = 0;
    for (int i = 0; i < kRepeats; ++i) {
        RandomSource random;
        SheetOutputs outputs(noPrinter, { false, true });
        outputs.open();
        QElapsedTimer timer;
        timer.start();
        if (!Multiplication::run(MultiplyGrade::Middle, settings, random, outputs)) {
            std::fprintf(stderr, "run failed\n");
            return 1;
        }
        runBest = std::min(runBest, timer.nsecsElapsed() / 1e6);
        draws = random.draws();
        bytes = QFileInfo(sheet).size();

        // The floor: the same draws, and the same bytes written to a file.
        timer.restart();
        const float sink = drawAlone(draws);
        writeBytes<QFile>(QStringLiteral("floor.bin"), bytes);
        floorBest = std::min(floorBest, timer.nsecsElapsed() / 1e6);

        timer.restart();
        sinks += sink + drawAlone(draws);
        writeBytes<QSaveFile>(QStringLiteral("floor-safe.bin"), bytes);
        safeFloorBest = std::min(safeFloorBest, timer.nsecsElapsed() / 1e6);
    }
    if (sinks < 0) {
        return 2;
    }
    std::printf("largest multiplication run: 400000 questions, %llu draws, %lld bytes\n",
        static_cast<unsigned long long>(draws), static_cast<long long>(bytes));
    std::printf("run   %8.1f ms (best of %d)\n", runBest, kRepeats);
    std::printf("floor %8.1f ms (same draws + same bytes written)\n", floorBest);
    std::printf("ratio %8.2f\n", runBest / floorBest);
    std::printf(
        "floor %8.1f ms (same draws + same bytes written aside, flushed to disk, renamed)\n", safeFloorBest);
    std::printf("ratio %8.2f\n", runBest / safeFloorBest);
    return 0;
}
