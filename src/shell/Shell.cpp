#include "shell/Shell.h"

#include "drills/addsub/AddSubWindow.h"
#include "drills/chains/ChainWindow.h"
#include "drills/divide/DivisionDrills.h"
#include "drills/multiply/MultiplyDrills.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QScreen>

namespace {
// Maximized, and sized to the screen as well for desktops without a window
// manager that would do it.
void showMaximized(QWidget* window)
{
    if (QScreen* screen = window->screen()) {
        window->setGeometry(screen->availableGeometry());
    }
    window->showMaximized();
}
} // namespace

Shell::Shell(PrintTarget& printTarget)
    : m_environment { m_random, printTarget }
{
    // Every window exists from here on, hidden, with the common title.
    m_help = std::make_unique<HelpWindow>();
    m_help->setWindowTitle(ShellTexts::kTitle);
    m_main = std::make_unique<MainWindow>();
    addDrill(QStringLiteral("j7"), QStringLiteral("xqd7"),
        std::make_unique<ChainWindow>(m_environment, ChainDrills::kSevenTerm));
    m_main->setWindowTitle(ShellTexts::kTitle);
    addDrill(QStringLiteral("zdcs"), QStringLiteral("zdcs1"),
        std::make_unique<OperandRowWindow>(m_environment, MultiplyDrills::rows(MultiplyGrade::Middle)));
    addDrill(QStringLiteral("zhc"), QStringLiteral("zhcs2"),
        std::make_unique<SetDrillWindow>(m_environment, DivisionDrills::sets()));

    // The drills of the other menu entries.
    addDrill(QStringLiteral("j5"), QStringLiteral("xqd5"),
        std::make_unique<ChainWindow>(m_environment, ChainDrills::kFiveTerm));
    addDrill(QStringLiteral("j10"), QStringLiteral("xqd10"),
        std::make_unique<ChainWindow>(m_environment, ChainDrills::kTenTerm));
    addDrill(QStringLiteral("gdchs"), QStringLiteral("gdchs1"),
        std::make_unique<OperandRowWindow>(m_environment, DivisionDrills::rows()));
    addDrill(QStringLiteral("zhch"), QStringLiteral("zhch1"),
        std::make_unique<SetDrillWindow>(m_environment, MultiplyDrills::sets()));
    addDrill(QStringLiteral("gdcs"), QStringLiteral("gdcs1"),
        std::make_unique<OperandRowWindow>(m_environment, MultiplyDrills::rows(MultiplyGrade::Upper)));
    for (AddSubDrill drill :
        { AddSubDrill::Lower, AddSubDrill::Middle, AddSubDrill::Upper, AddSubDrill::Kindergarten }) {
        const AddSubDrillDefinition kind = addSubDrillDefinition(drill);
        addDrill(kind.entryName, kind.windowName, makeAddSubWindow(m_environment, drill));
    }

    connect(m_main->entry(QStringLiteral("bz")), &QAction::triggered, this, &Shell::openHelp);
    // Ends the program at once, whatever window is open (see MainWindow::closeEvent).
    connect(
        m_main->entry(QStringLiteral("tcxt")), &QAction::triggered, qApp, [] { QCoreApplication::exit(0); });
}

Shell::~Shell() = default;

void Shell::addDrill(const QString& entryName, const QString& windowName, std::unique_ptr<DrillWindow> window)
{
    DrillWindow* drill = window.get();
    drill->setObjectName(windowName);
    drill->setWindowTitle(ShellTexts::kTitle);
    connect(m_main->entry(entryName), &QAction::triggered, this, [this, drill] { openDrill(drill); });
    connect(drill, &DrillWindow::returnRequested, this, [this, drill] { returnFrom(drill); });
    m_drills.push_back(std::move(window));
}

void Shell::start()
{
    showMaximized(m_main.get());
}

DrillWindow* Shell::drillWindow(const QString& name) const
{
    for (const auto& drill : m_drills) {
        if (drill->objectName() == name) {
            return drill.get();
        }
    }
    return nullptr;
}

void Shell::openDrill(DrillWindow* window)
{
    showMaximized(window);
    window->raise();
    window->activateWindow();
    m_main->hide();
}

void Shell::returnFrom(DrillWindow* window)
{
    m_main->show();
    m_main->activateWindow();
    window->hide();
}

void Shell::openHelp()
{
    showMaximized(m_help.get());
    m_help->raise();
    m_help->activateWindow();
}
