#pragma once
// Every drill the program offers, in one table: where its entry stands in the
// main menu, the entry's name, caption and shortcut, the object name of its
// window and how that window is built. The main window, the shell, the tests
// and the benchmark all read it, so a new drill is its rules, its definition
// and one row here.

#include <QKeySequence>
#include <QString>
#include <memory>
#include <vector>

class DrillWindow;
struct DrillEnvironment;

struct DrillEntry {
    const char* menu; // the object name of the main menu it stands in
    const char* entry; // the object name of its menu entry
    QString caption;
    QKeySequence shortcut;
    const char* window; // the object name of its window
    std::unique_ptr<DrillWindow> (*makeWindow)(DrillEnvironment& environment);
};

namespace DrillRegistry {
// Every drill, in the order of the main menu.
const std::vector<DrillEntry>& drills();
// The drill of that menu entry, or null.
const DrillEntry* find(const QString& entry);
} // namespace DrillRegistry
