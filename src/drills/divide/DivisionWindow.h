#pragma once
// The comprehensive division drill window zhcs2: up to four kinds of exact
// division, shuffled into sets, one sheet file and one printed page per set.

#include "drills/divide/Division.h"
#include "forms/DrillWindow.h"

#include <array>

class DivisionWindow : public DrillWindow {
    Q_OBJECT
public:
    explicit DivisionWindow(DrillEnvironment& environment, QWidget* parent = nullptr);

protected:
    void generate() override;

private:
    // The dividend-digits, divisor-digits and count boxes of one kind.
    struct KindColumn {
        QLineEdit* dividendDigits;
        QLineEdit* divisorDigits;
        QLineEdit* count;
    };

    std::vector<KindBoxes> readGrid() const;

    std::array<KindColumn, DivisionRules::kKinds> m_grid {};
    QLineEdit* m_perRow = nullptr;
    QLineEdit* m_sets = nullptr;
};
