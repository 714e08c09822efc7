// SPDX-License-Identifier: GPL-3.0-or-later
// Times the choices that draw among counted questions: counting and drawing
// the carrying additions and borrowing subtractions of six digits, drawing
// 400,000 distinct indices out of plenty (redraw on a repeat) and out of just
// as many (partial shuffle, every index used), and numbering the six-digit ÷
// five-digit divisions of the upper-grade division in rows.

#include "drills/addsub/AddSubSpace.h"
#include "drills/divide/DivisionRowSpace.h"
#include "drills/multiply/Multiplication.h"
#include "random/DistinctDraws.h"
#include "random/RandomSource.h"

#include <QElapsedTimer>
#include <cstdio>
#include <functional>

namespace {
void time(const char* what, const std::function<std::int64_t()>& work)
{
    QElapsedTimer timer;
    timer.start();
    const std::int64_t result = work();
    std::printf("%-58s %9.2f ms  (%lld)\n", what, static_cast<double>(timer.nsecsElapsed()) / 1e6,
        static_cast<long long>(result));
}

std::int64_t drawDistinct(std::int64_t count, std::int64_t wanted)
{
    RandomSource random;
    DistinctIndices indices(count, wanted);
    std::int64_t sum = 0;
    for (std::int64_t i = 0; i < wanted; ++i) {
        sum += indices.next(random);
    }
    return sum;
}
} // namespace

int main()
{
    constexpr std::int64_t kLargest = 400000;
    time("count 6 + 6 digits carrying, both ways", [] {
        return AddSubSpace(DigitOperands { 6, 6 }, false, CarryChoice::Always).count()
            + AddSubSpace(DigitOperands { 6, 6 }, true, CarryChoice::Always).count();
    });
    time("draw 40,000 of 6 - 6 digits borrowing", [] {
        const AddSubSpace space(DigitOperands { 6, 6 }, true, CarryChoice::Always);
        RandomSource random;
        std::int64_t sum = 0;
        for (int i = 0; i < 40000; ++i) {
            sum += space.at(Draws::uniformIndex(random, space.count())).b;
        }
        return sum;
    });
    time("400,000 distinct of 8.1e10 (6 x 5 digit factor pairs)",
        [] { return drawDistinct(Multiplication::distinctCount(6, 5), kLargest); });
    time("400,000 distinct of 400,000 (all of them)", [] { return drawDistinct(kLargest, kLargest); });
    time("number 6 / 5 digit divisions", [] { return DivisionRowSpace(6, 5).count(); });
}
