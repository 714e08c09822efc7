#pragma once
// The comprehensive multiplication window zhch1: up to four kinds of a×b
// (first-factor digits, second-factor digits, count) pooled and shuffled into
// sets, one sheet file and one printed page per set.

#include "drills/sets/SetDrillWindow.h"

namespace MultiplySetTexts {
inline const QString kDrillName = QStringLiteral("综合乘算");
inline const QString kTitle = QStringLiteral("小学综合乘算试题");
inline const QString kFilePrefix = QStringLiteral("综合乘算");
// The longest question with its answer, 999999×99999=99998900001, and two spaces.
inline constexpr int kCellWidth = 26;
} // namespace MultiplySetTexts

class MultiplySetWindow : public SetDrillWindow {
    Q_OBJECT
public:
    explicit MultiplySetWindow(DrillEnvironment& environment, QWidget* parent = nullptr);
};
