#include "app/Workbench.h"

#include "app/BoardWindow.h"
#include "app/Console.h"
#include "app/GraphCommands.h"
#include "app/GraphWindow.h"
#include "app/Report.h"
#include "app/WorkingState.h"
#include "catalogue/BuildCalculus.h"
#include "common/Prompts.h"
#include "conjectures/ConjectureSettings.h"
#include "conjectures/ConjectureWidget.h"
#include "conjectures/ConjecturesDisplay.h"
#include "explorer/AnalystWidget.h"
#include "explorer/DataLoader.h"
#include "graph/Graph.h"
#include "graph/Node.h"
#include "items/Calculus.h"
#include "optimizer/VNSManager.h"
#include "problem/Problem.h"

#include <QAction>
#include <QTabWidget>

namespace
{

using Console4 = void (Console::*)(QString, bool, int, QColor);
using Console5 = void (Console::*)(QString, bool, int, QColor, int);
using Manager4 = void (VNSManager::*)(QString, bool, int, QColor);
using Manager5 = void (VNSManager::*)(QString, bool, int, QColor, int);

} // namespace

Workbench::Workbench(const BuildCalculus *catalogue, SettingsStore *settings, QWidget *dialogParent)
    : m_catalogue(catalogue), m_dialogParent(dialogParent)
{
    // The vertex colour table must be filled before any graph is drawn, and only once.
    if (Node::NodeColor.isEmpty())
        Node::initColors();
    m_graph = new Graph(QStringLiteral("graph"), true);
    m_backup = new Graph(QStringLiteral("Graph_bak"), true);
    for (Graph *g : {m_graph, m_backup})
        g->setSceneRect(-250, -250, 500, 500);
    m_board = new Problem(m_graph, QStringLiteral("Problem"), true);
    m_loader.reset(new DataLoader);
    m_console.reset(new Console);
    m_explorerWindow.reset(new QTabWidget);
    m_explorerWindow->setWindowTitle(tr("Results explorer"));
    m_explorerWindow->resize(800, 500);
    buildExplorers();
    m_manager.reset(new VNSManager(m_board, m_graph, m_explorers[GraphValues].explorer,
                                   m_explorers[VertexValues].explorer, m_loader.get()));
    m_report.reset(new Report(m_board, m_catalogue));
    m_boardWindow.reset(new BoardWindow(m_board, m_catalogue));
    m_graphWindow.reset(new GraphWindow(m_graph, tr("Graph"), true));
    m_backupWindow.reset(new GraphWindow(m_backup, tr("Backup graph"), false));
    m_commands.reset(new GraphCommands(m_graph, m_backup, m_console.get()));
    m_state.reset(
        new WorkingState(settings, m_board, m_graph, m_backup, m_console.get(), dialogParent));
    wire();
}

Workbench::~Workbench() = default;

QList<QWidget *> Workbench::windows() const
{
    return {m_boardWindow.get(),    m_graphWindow.get(), m_backupWindow.get(),
            m_explorerWindow.get(), m_console.get(),     m_report.get()};
}

void Workbench::buildExplorers()
{
    const QString names[2] = {tr("Graph values"), tr("Vertex values")};
    for (int k : {GraphValues, VertexValues}) {
        Explorer &e = m_explorers[k];
        e.explorer =
            new AnalystWidget(names[k], m_board, m_graph, m_loader.get(), k == VertexValues);
        e.settings.reset(new ConjectureSettings);
        e.display.reset(new ConjecturesDisplay);
        e.panel = new ConjectureWidget(e.explorer->analyst(), e.settings.get(), e.display.get());
        e.explorer->setConjecturePanel(e.panel);
        m_explorerWindow->addTab(e.explorer, names[k]);
    }
}

void Workbench::wire()
{
    Graph *g = m_graph;
    connect(g, &Graph::signal_best_graph_changed, m_board, &Problem::slot_best_backup);
    connect(g, &Graph::signal_interactive_graph_changed, m_board, &Problem::slot_refresh);
    // The backup graph has no board: its refresh shows its current graph.
    connect(m_backup, &Graph::signal_interactive_graph_changed, this, [this] {
        m_backup->best_backup();
        m_backup->update_display();
    });
    connect(g, &Graph::signal_place_graph, m_commands.get(), &GraphCommands::slot_layout);
    Console *console = m_console.get();
    const auto console4 = static_cast<Console4>(&Console::append);
    for (Graph *view : {m_graph, m_backup})
        connect(view, &Graph::signal_console, console, console4);
    connect(m_board, &Problem::signal_console, console, console4);
    connect(m_board, &Problem::signal_start_vns, m_manager.get(), &VNSManager::slot_startVNS);
    connect(m_boardWindow.get(), &BoardWindow::signal_add_item, this, &Workbench::slot_add_item);

    VNSManager *m = m_manager.get();
    connect(m, static_cast<Manager4>(&VNSManager::signal_console), console, console4);
    connect(m, static_cast<Manager5>(&VNSManager::signal_console), console,
            static_cast<Console5>(&Console::append));
    connect(m, &VNSManager::signal_new_solution, m_board, &Problem::slot_refresh);

    for (Explorer &e : m_explorers) {
        connect(m, &VNSManager::signal_graphs_ready, e.explorer, &AnalystWidget::slot_data_loaded);
        connect(m_board, &Problem::signal_report_changed, e.explorer, &AnalystWidget::slot_rebuild);
        connect(e.explorer, &AnalystWidget::signal_console, console, console4);
        connect(e.panel, &ConjectureWidget::signal_console, console, console4);
        connect(e.explorer, &AnalystWidget::signal_header_changed, e.settings.get(),
                &ConjectureSettings::setVariables);
        // Relations name graphs by their numbers, which a cleared table gives out again: a
        // search under way stops and lists nothing.
        connect(e.explorer, &AnalystWidget::signal_database_cleared, e.panel,
                &ConjectureWidget::slot_database_cleared);
        connect(e.explorer, &AnalystWidget::signal_database_cleared, e.display.get(),
                &ConjecturesDisplay::clear);
    }
    m_report->setConjectureSource([this] {
        return m_explorers[GraphValues].panel->getConjectures() +
               m_explorers[VertexValues].panel->getConjectures();
    });
    connect(g, &Graph::signal_load_next, m_explorers[GraphValues].explorer,
            &AnalystWidget::slot_load_next);
    for (Explorer &e : m_explorers)
        connect(m_state.get(), &WorkingState::signal_wd_changed, e.explorer, &AnalystWidget::setWD);

    connect(this, &Workbench::signal_running, m_boardWindow.get(), &BoardWindow::slot_set_running);
    for (GraphWindow *w : {m_graphWindow.get(), m_backupWindow.get()})
        connect(this, &Workbench::signal_running, w, &GraphWindow::slot_set_running);
    for (Explorer &e : m_explorers)
        connect(this, &Workbench::signal_running, e.explorer,
                &AnalystWidget::slot_set_search_active);
}

void Workbench::slot_set_running(bool running)
{
    emit signal_running(running);
}

void Workbench::lockWhileRunning(QWidget *w)
{
    connect(this, &Workbench::signal_running, w, &QWidget::setDisabled);
}

void Workbench::lockWhileRunning(QAction *a)
{
    connect(this, &Workbench::signal_running, a, &QAction::setDisabled);
}

void Workbench::waitForManager()
{
    m_manager->wait();
    // Reading the manager's end flag after the wait orders its run before what follows for the
    // thread sanitizer, which cannot see QThread::wait.
    m_manager->isRunActive();
}

void Workbench::startUp()
{
    const bool boardBack = m_state->restore();
    m_graph->changeBest();
    m_graph->best_backup();
    // After the graph: a vertex value gives one graph-values column per vertex.
    if (boardBack)
        rebuildExplorers();
    m_commands->slot_layout();
    m_state->startAutosave();
}

bool Workbench::shutDown()
{
    // Asked first: a user who stays keeps the running searches.
    if (!Prompts::instance().question(m_dialogParent, tr("Quit"), tr("Really quit?")))
        return false;
    m_manager->slot_stopVNS();
    waitForManager();
    for (Explorer &e : m_explorers)
        e.panel->cancelAndWait();
    return m_state->saveAtQuit();
}

// ------------------------------------------------------------------ board and explorers

void Workbench::slot_add_item(QString keyword)
{
    if (m_manager->isRunning())
        return;
    using Category = BuildCalculus::Category;
    const Category type = m_catalogue->type(keyword);
    Calculus *item = type == Category::Unknown ? nullptr : m_catalogue->makeCalculus(keyword, true);
    if (!item)
        return;
    switch (type) {
    case Category::Invariant:
        m_board->addInvariantItem(item);
        break;
    case Category::Family:
        m_board->addFamilyItem(item);
        break;
    case Category::Operator:
        m_board->addOperatorItem(item);
        break;
    case Category::Constraint:
        m_board->addConstraintItem(item);
        break;
    default:
        m_board->addZItem(item);
        break;
    }
    // New items are spread over the visible part of the board rather than stacked.
    const QPointF centre = m_board->mapToScene(m_board->viewport()->rect().center());
    item->setPos(centre + QPointF(120 * (m_added % 5) - 240, 60 * ((m_added / 5) % 5) - 120));
    ++m_added;
    m_boardWindow->show();
    m_boardWindow->raise();
}

void Workbench::rebuildExplorers()
{
    for (Explorer &e : m_explorers)
        e.explorer->slot_rebuild();
}

void Workbench::slot_clear_database()
{
    for (Explorer &e : m_explorers)
        e.explorer->slot_clear_database();
}
