// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainWindow.h"

#include "MirevaVersion.h"
#include "common/Assets.h"
#include "common/Fonts.h"
#include "forms/Controls.h"
#include "shell/DrillRegistry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>

namespace {
struct MenuEntry {
    const char* name;
    QString caption;
    QKeySequence shortcut;
};

struct Menu {
    const char* name;
    QString caption;
    std::vector<MenuEntry> entries;
};

// The menus after the drill registry's: help and quit.
const std::vector<Menu>& closingMenus()
{
    static const std::vector<Menu> table {
        { "help", QStringLiteral("帮助(&H)"),
            { { "bz", QStringLiteral("帮助"), QKeySequence(Qt::Key_F1) } } },
        { "quit", QStringLiteral("退出(&X)"),
            { { "tcxt", QStringLiteral("退出系统"), QKeySequence(Qt::CTRL | Qt::Key_Q) } } },
    };
    return table;
}

void addEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut); // only while the main window is active
}

QLabel* picture(QWidget* parent, const char* name, const QString& resource, Twips place)
{
    auto* box = Controls::label(parent, name, QString(), place);
    box->setPixmap(QPixmap(resource));
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop); // natural size, clipped to the box
    return box;
}
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    Assets::init();
    setObjectName(QStringLiteral("zcd"));

    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette teal = client->palette();
    teal.setColor(QPalette::Window, QColor(0, 128, 128));
    client->setPalette(teal);
    setCentralWidget(client);

    auto* banner = picture(client, "Picture1", QStringLiteral(":/banner.bmp"), { 840, 600, 10455, 1095 });
    banner->setAutoFillBackground(true);
    QPalette green = banner->palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    banner->setPalette(green);
    picture(client, "Picture2", QStringLiteral(":/flowers.gif"), { 8760, 3840, 1815, 1935 });

    auto* version = Controls::label(client, "Label4", QStringLiteral("版本号"), { 2640, 5040, 1215, 375 });
    version->setFont(Fonts::songti(14.25));
    Controls::setTextColor(version, client->palette().color(QPalette::HighlightedText));
    auto* number = Controls::label(
        client, "Label7", QStringLiteral("V") + MirevaVersion::kNumber, { 4080, 5040, 1935, 375 });
    number->setFont(Fonts::songti(14.25));
    Controls::setTextColor(number, QColor(128, 0, 128));

    // The drill menus with their drills, as the drill registry lists them.
    for (const DrillMenu& menu : DrillRegistry::menus()) {
        QMenu* m = menuBar()->addMenu(menu.caption);
        m->setObjectName(QLatin1String(menu.name));
        for (const DrillEntry& drill : DrillRegistry::drills()) {
            if (qstrcmp(drill.menu, menu.name) == 0) {
                addEntry(m, drill.entry, drill.caption, drill.shortcut);
            }
        }
    }
    for (const Menu& menu : closingMenus()) {
        QMenu* m = menuBar()->addMenu(menu.caption);
        m->setObjectName(QLatin1String(menu.name));
        for (const MenuEntry& e : menu.entries) {
            addEntry(m, e.name, e.caption, e.shortcut);
        }
    }
}

QAction* MainWindow::entry(const QString& name) const
{
    return findChild<QAction*>(name);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Ends the event loop at once, as the quit entry does (see Shell).
    QCoreApplication::exit(0);
}
