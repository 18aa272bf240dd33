#include "app/Workbench.h"

#include "app/BoardWindow.h"
#include "app/Console.h"
#include "app/GraphCommands.h"
#include "app/GraphWindow.h"
#include "app/Report.h"
#include "app/SettingsStore.h"
#include "catalogue/BuildCalculus.h"
#include "common/Prompts.h"
#include "common/readWholeFile.h"
#include "common/writeWholeFile.h"
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
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>

namespace
{

using Console4 = void (Console::*)(QString, bool, int, QColor);
using Console5 = void (Console::*)(QString, bool, int, QColor, int);
using Manager4 = void (VNSManager::*)(QString, bool, int, QColor);
using Manager5 = void (VNSManager::*)(QString, bool, int, QColor, int);

/// Moves an autosave file that could not be restored to a name of its own beside it, never
/// over an earlier kept one, so the next autosave cannot overwrite it. The new name, or empty
/// when the file could not be moved.
QString keepAside(const QString &path)
{
    const QString base = path + QStringLiteral(".unrestored");
    QString aside = base;
    for (int k = 2; QFileInfo(aside).exists() || QFileInfo(aside).isSymLink(); ++k)
        aside = base + QLatin1Char('.') + QString::number(k);
    // QFile::rename never replaces an existing file, should one appear meanwhile.
    return QFile::rename(path, aside) ? aside : QString();
}

} // namespace

Workbench::Workbench(const BuildCalculus *catalogue, SettingsStore *settings, QWidget *dialogParent)
    : m_catalogue(catalogue), m_settings(settings), m_dialogParent(dialogParent)
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
    connect(&m_autosave, &QTimer::timeout, this, &Workbench::slot_autosave);

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

// ------------------------------------------------------------------ working state

void Workbench::startUp()
{
    // Before anything is written: a file size limit makes a save fail and be reported, never
    // end the program with the work unsaved.
    failWritesPastFileSizeLimit();
    SettingsStore &s = *m_settings;
    // A store that could not be read holds a working state this run would write over: asked
    // about before anything is restored or written, as long as the user wants it read again.
    while (!s.readError().isEmpty()) {
        if (!Prompts::instance().question(
                m_dialogParent, tr("Settings store"),
                tr("The settings store %1 could not be read: %2.\n\nRead it again? Otherwise this "
                   "run goes on without it: nothing is restored, and nothing of the working "
                   "state is saved.")
                    .arg(storeName(), s.readError()))) {
            m_withoutStore = true;
            break;
        }
        s.reread();
    }
    if (m_withoutStore)
        m_console->append(tr("This run goes on without the settings store %1, which could not be "
                             "read: nothing of its working state is saved.")
                              .arg(storeName()),
                          false, 0, QColor(Qt::red));
    s.setValue(QStringLiteral("runs"), s.value(QStringLiteral("runs"), 0).toInt() + 1);
    setWorkingDirectory(s.value(QStringLiteral("wd"), QDir::homePath()).toString());

    bool boardBack = false;
    const bool restoring = !m_withoutStore && s.value(QStringLiteral("reload"), true).toBool() &&
                           !s.value(QStringLiteral("problem")).toString().isEmpty();
    const bool graphDue = restoring && !s.value(QStringLiteral("graph")).toString().isEmpty();
    // Cleared first, and on disk before the attempt: a graph that cannot be restored is not
    // tried again at the next start.
    if (restoring)
        s.setValue(QStringLiteral("graph"), QString());
    saveStore();
    if (restoring) {
        boardBack = m_board->autoload();
        const bool graphBack = boardBack && graphDue && m_graph->autoload();
        // Back at once: a program that dies before the first autosave must not lose the
        // graph at its next start, nor have that start's autosave overwrite the graph file.
        if (graphBack) {
            s.setValue(QStringLiteral("graph"), m_graph->graphData());
            saveStore();
        }
        if (!boardBack || (graphDue && !graphBack))
            warnUnrestored(boardBack, graphDue);
    }
    m_graph->changeBest();
    m_graph->best_backup();
    // After the graph: a vertex value gives one graph-values column per vertex.
    if (boardBack)
        rebuildExplorers();
    m_commands->slot_layout();
    m_autosave.start(60000);
}

void Workbench::warnUnrestored(bool boardBack, bool graphDue)
{
    // Every file that was due and did not come back is kept aside before the first autosave;
    // one that is not there yet (a folder not mounted) or could not be moved, once met.
    QStringList files;
    if (!boardBack)
        files << m_board->autosavePath();
    if (graphDue)
        files << m_graph->autosaveFileName();
    QStringList kept, stuck;
    for (const QString &f : files) {
        if (!QFileInfo(f).isFile()) {
            m_keepBeforeWrite << f;
            continue;
        }
        const QString aside = keepAside(f);
        if (aside.isEmpty())
            m_keepBeforeWrite << f;
        (aside.isEmpty() ? stuck : kept) << QDir::toNativeSeparators(aside.isEmpty() ? f : aside);
    }
    const QString wd = QDir::toNativeSeparators(m_wd);
    QString text = boardBack ? tr("The graph could not be restored from %1: the white board was "
                                  "restored, the graph starts anew.")
                                   .arg(wd)
                             : tr("The problem could not be restored from %1: the white board "
                                  "and the graph start anew.")
                                   .arg(wd);
    if (kept.size() == 1)
        text += QLatin1Char(' ') + tr("The file that was not restored is kept as %1.").arg(kept[0]);
    else if (kept.size() > 1)
        text += QLatin1Char(' ') +
                tr("The files that were not restored are kept as %1.").arg(kept.join(tr(" and ")));
    if (!stuck.isEmpty())
        text += QLatin1Char(' ') + tr("%1 could not be kept aside.").arg(stuck.join(tr(" and ")));
    Prompts::instance().message(m_dialogParent, Prompts::Level::Warning, tr("Warning"), text);
}

bool Workbench::writeAutosave(bool board, QString *error)
{
    const QString path = board ? m_board->autosavePath() : m_graph->autosaveFileName();
    if (m_keepBeforeWrite.contains(path) && QFileInfo(path).isFile()) {
        const QString aside = keepAside(path);
        if (aside.isEmpty()) {
            if (error)
                *error = tr("it was not restored at the start, and could not be kept aside");
            return false;
        }
        m_keepBeforeWrite.removeAll(path);
        m_console->append(tr("%1, which was not restored at the start, is kept as %2.")
                              .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside)),
                          false, 0, QColor(Qt::darkYellow));
    }
    if (!(board ? m_board->autosave(error) : m_graph->autosave(error)))
        return false;
    m_keepBeforeWrite.removeAll(path);
    return true;
}

void Workbench::setWorkingDirectory(const QString &wd)
{
    m_wd = wd;
    m_board->setWD(wd);
    m_graph->setWD(wd);
    m_backup->setWD(wd);
    for (Explorer &e : m_explorers)
        e.explorer->setWD(wd);
    emit signal_wd_changed(wd);
}

bool Workbench::slot_set_wd(const QString &wd, QString *refusal)
{
    const QString chosen = QDir::toNativeSeparators(wd), current = QDir::toNativeSeparators(m_wd);
    const auto refuse = [&](const QString &why) {
        m_board->setWD(m_wd);
        m_graph->setWD(m_wd);
        if (refusal)
            *refusal = why + QLatin1Char(' ') + tr("The working directory stays %1.").arg(current);
        return false;
    };
    if (m_withoutStore)
        return refuse(tr("The settings store %1 could not be read at the start: this run cannot "
                         "record a working directory.")
                          .arg(storeName()));
    // The working state goes into the folder before the store names it: a kill at any moment
    // leaves a store whose folder holds that state, the old one until the store is saved. What
    // the folder held under those names goes back should the choice be refused.
    m_board->setWD(wd);
    m_graph->setWD(wd);
    const QString files[2] = {m_board->autosavePath(), m_graph->autosaveFileName()};
    QByteArray before[2];
    bool held[2] = {false, false};
    for (int k : {0, 1}) {
        int error = 0;
        held[k] = QFileInfo(files[k]).isFile();
        if (held[k] && !readWholeFile(files[k], before[k], &error))
            return refuse(
                tr("The working state could not be written into %1: %2 could not be "
                   "read first (%3).")
                    .arg(chosen, QDir::toNativeSeparators(files[k]), systemErrorText(error)));
    }
    int written = 0;
    // What could not be put back is left there, and said.
    const auto putBack = [&] {
        QStringList left;
        for (int k = 0; k < written; ++k)
            if (held[k] ? !writeWholeFile(files[k], before[k]) : !QFile::remove(files[k]))
                left << QDir::toNativeSeparators(files[k]);
        return left.isEmpty() ? tr("The folder was put back as it was.")
                              : tr("%1 was written there and could not be put back.")
                                    .arg(left.join(tr(" and ")));
    };
    QString why;
    for (int k : {0, 1}) {
        if (!writeAutosave(k == 0, &why))
            return refuse(tr("The working state could not be written into %1: %2 could not be "
                             "written (%3).")
                              .arg(chosen, QDir::toNativeSeparators(files[k]), why) +
                          QLatin1Char(' ') + putBack());
        ++written;
    }
    m_settings->setValue(QStringLiteral("wd"), wd);
    keepWorkingState();
    // The choice counts only once the store names it: a later kill must find this folder.
    if (!m_settings->sync()) {
        m_settings->setValue(QStringLiteral("wd"), m_wd);
        return refuse(tr("The settings store %1 could not be saved (%2), and cannot record %3 as "
                         "the working directory.")
                          .arg(storeName(), m_settings->errorString(), chosen) +
                      QLatin1Char(' ') + putBack());
    }
    setWorkingDirectory(wd);
    return true;
}

void Workbench::slot_set_reload(bool on)
{
    m_settings->setValue(QStringLiteral("reload"), on);
    saveStore();
}

QString Workbench::storeName() const
{
    return QDir::toNativeSeparators(m_settings->fileName());
}

bool Workbench::saveStore()
{
    // Without its store, the run said so once at its start.
    if (m_withoutStore)
        return false;
    if (m_settings->sync())
        return true;
    m_console->append(tr("Saving the settings failed: %1 could not be written (%2).")
                          .arg(storeName(), m_settings->errorString()),
                      false, 0, QColor(Qt::red));
    return false;
}

void Workbench::keepWorkingState()
{
    m_settings->setValue(QStringLiteral("problem"), m_board->saveString());
    m_settings->setValue(QStringLiteral("graph"), m_graph->graphData());
}

bool Workbench::slot_autosave()
{
    // Nothing of a run without its store is written, in any folder: said once at its start.
    if (m_withoutStore) {
        m_autosaveFailure = storeName();
        return false;
    }
    keepWorkingState();
    QStringList failed;
    if (!m_settings->sync())
        failed << storeName();
    if (!writeAutosave(true, nullptr))
        failed << QDir::toNativeSeparators(m_board->autosavePath());
    if (!writeAutosave(false, nullptr))
        failed << QDir::toNativeSeparators(m_graph->autosaveFileName());
    // Said once per run of failures, not at every tick; a success ends the run.
    const bool wasFailing = !m_autosaveFailure.isEmpty();
    m_autosaveFailure = failed.join(tr(" and "));
    if (!failed.isEmpty() && !wasFailing)
        m_console->append(tr("Autosave failed: %1 could not be written.").arg(m_autosaveFailure),
                          false, 0, QColor(Qt::red));
    return failed.isEmpty();
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
    m_autosave.stop();
    const QString lost =
        m_withoutStore
            ? tr("The working state of this run is not saved: the settings store %1 could not be "
                 "read. Quit anyway?")
                  .arg(storeName())
            : tr("The working state could not be saved: %1 could not be written. Quit anyway?");
    if (!slot_autosave() &&
        !Prompts::instance().question(m_dialogParent, tr("Quit"),
                                      m_withoutStore ? lost : lost.arg(m_autosaveFailure))) {
        m_autosave.start();
        return false;
    }
    return true;
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
