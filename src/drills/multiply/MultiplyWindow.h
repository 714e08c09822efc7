#pragma once
// The multiplication drill window (zdcs1 for the middle grades, gdcs1 for
// the upper grades): digit counts of the two factors, questions per row, rows
// per page, pages per run.

#include "forms/DrillWindow.h"

class MultiplyWindow : public DrillWindow {
    Q_OBJECT
public:
    // stage is "中段" or "高段"; the two digit counts are the boxes' first contents.
    MultiplyWindow(DrillEnvironment& environment, const QString& stage, int firstDigits, int secondDigits,
        QWidget* parent = nullptr);

protected:
    void generate() override;

private:
    QString m_stage;
    QLineEdit* m_firstDigits;
    QLineEdit* m_secondDigits;
    QLineEdit* m_perRow;
    QLineEdit* m_rows;
    QLineEdit* m_pages;
};
