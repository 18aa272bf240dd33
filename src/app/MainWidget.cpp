#include "app/MainWidget.h"

#include "app/BoardWindow.h"
#include "app/Console.h"
#include "app/GraphWindow.h"
#include "app/ProgressBar.h"
#include "app/Report.h"
#include "conjectures/ConjectureSettings.h"
#include "conjectures/ConjectureWidget.h"
#include "conjectures/ConjecturesDisplay.h"
#include "explorer/Analyst.h"
#include "explorer/AnalystWidget.h"
#include "explorer/DataLoader.h"
#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Isomorphic.h"
#include "graph/MDS.h"
#include "graph/Node.h"
#include "graph/Prompts.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"
#include "optimizer/VNSManager.h"
#include "problem/Problem.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <climits>

namespace
{

using Console4 = void (Console::*)(QString, bool, int, QColor);
using Console5 = void (Console::*)(QString, bool, int, QColor, int);
using Manager4 = void (VNSManager::*)(QString, bool, int, QColor);
using Manager5 = void (VNSManager::*)(QString, bool, int, QColor, int);
const auto spinChanged = QOverload<int>::of(&QSpinBox::valueChanged);

QSpinBox *spinBox(const QString &name, int low, int high, int value)
{
    auto *s = new QSpinBox;
    s->setObjectName(name);
    s->setRange(low, high);
    s->setValue(value);
    return s;
}

QCheckBox *checkBox(const QString &text, bool checked)
{
    auto *c = new QCheckBox(text);
    c->setObjectName(text);
    c->setChecked(checked);
    return c;
}

QPushButton *button(const QString &text)
{
    auto *b = new QPushButton(text);
    b->setObjectName(text);
    return b;
}

} // namespace

MainWidget::MainWidget(const BuildCalculus *catalogue, QSettings *settings, QWidget *parent)
    : QWidget(parent), m_catalogue(catalogue), m_settings(settings)
{
    // The vertex colour table must be filled before any graph is drawn, and only once.
    if (Node::NodeColor.isEmpty())
        Node::initColors();
    m_graph = new Graph(QStringLiteral("graph"), true);
    m_backup = new Graph(QStringLiteral("Graph_bak"), true);
    for (Graph *g : {m_graph, m_backup})
        g->setSceneRect(-250, -250, 500, 500);
    m_board = new Problem(m_graph, QStringLiteral("Problem"), true);
    m_loader = new DataLoader;
    m_console = new Console;
    m_explorerWindow = new QTabWidget;
    m_explorerWindow->setWindowTitle(tr("Results explorer"));
    m_explorerWindow->resize(800, 500);
    buildExplorers();
    m_manager = new VNSManager(m_board, m_graph, m_explorers[GraphValues].explorer,
                               m_explorers[VertexValues].explorer, m_loader);
    m_progress = new ProgressBar;
    m_report = new Report(m_board, m_catalogue);
    m_boardWindow = new BoardWindow(m_board, m_catalogue);
    m_graphWindow = new GraphWindow(m_graph, tr("Graph"), true);
    m_backupWindow = new GraphWindow(m_backup, tr("Backup graph"), false);

    m_runAction = new QAction(QIcon(QStringLiteral(":/src/images/run.png")), tr("Run"), this);
    m_haltAction = new QAction(QIcon(QStringLiteral(":/src/images/halt.png")), tr("Halt"), this);
    m_runAction->setStatusTip(tr("Search for extremal graphs of the white board's problem"));
    m_haltAction->setStatusTip(tr("End the search; what was found is kept"));
    lockDuringRun(m_runAction);
    for (QAction *a : {m_runAction, m_haltAction})
        m_boardWindow->addCommand(a);

    auto *pages = new QToolBox;
    pages->addItem(optimizationPage(), tr("Optimization"));
    pages->addItem(graphPage(), tr("Graph"));
    pages->addItem(explorerPage(), tr("Explorer"));
    pages->addItem(preferencesPage(), tr("Preferences"));
    auto *splitter = new QSplitter;
    splitter->addWidget(buildTree());
    splitter->addWidget(pages);
    splitter->setStretchFactor(1, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    for (QAction *a : m_boardWindow->editingActions())
        lockDuringRun(a);
    for (QAction *a : m_graphWindow->editingActions())
        lockDuringRun(a);
    lockDuringRun(m_board);
    lockDuringRun(m_graph);
    lockDuringRun(m_backup);

    wire();
    startUp();
}

MainWidget::~MainWidget()
{
    m_autosave.stop();
    // The manager goes first: it stops and waits for its workers, which publish into the
    // board and the main graph. The board goes before the graph it is attached to.
    if (m_manager->isRunning())
        emit signal_halt();
    waitForManager();
    delete m_manager;
    delete m_boardWindow;
    delete m_report;
    delete m_graphWindow;
    delete m_backupWindow;
    // The panels go with their explorers, before the windows they were given.
    delete m_explorerWindow;
    for (Explorer &e : m_explorers) {
        delete e.settings;
        delete e.display;
    }
    delete m_console;
    delete m_loader;
}

QList<QWidget *> MainWidget::windows() const
{
    return {m_boardWindow, m_graphWindow, m_backupWindow, m_explorerWindow, m_console, m_report};
}

// ------------------------------------------------------------------ explorers

void MainWidget::buildExplorers()
{
    const QString names[2] = {tr("Graph values"), tr("Vertex values")};
    for (int k : {GraphValues, VertexValues}) {
        Explorer &e = m_explorers[k];
        e.explorer = new AnalystWidget(names[k], m_board, m_graph, m_loader, k == VertexValues);
        e.settings = new ConjectureSettings;
        e.display = new ConjecturesDisplay;
        e.panel = new ConjectureWidget(e.explorer->analyst(), e.settings, e.display);
        e.explorer->setConjecturePanel(e.panel);
        m_explorerWindow->addTab(e.explorer, names[k]);
    }
}

QString MainWidget::conjectures() const
{
    return m_explorers[GraphValues].panel->getConjectures() +
           m_explorers[VertexValues].panel->getConjectures();
}

void MainWidget::slot_clear_database()
{
    for (Explorer &e : m_explorers)
        e.explorer->slot_clear_database();
}

// ------------------------------------------------------------------ pages

QWidget *MainWidget::buildTree()
{
    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("Catalogue"));
    m_tree->setHeaderHidden(true);
    QStringList objectives;
    for (const QString &k : m_catalogue->All)
        if (m_catalogue->type(k) == BuildCalculus::Category::Objective)
            objectives << k;
    const QList<QPair<QString, QStringList>> sections = {
        {tr("Values"), m_catalogue->InvariantsVal},
        {tr("Vectors"), m_catalogue->InvariantsVec},
        {tr("Matrices"), m_catalogue->InvariantsMat},
        {tr("Families"), m_catalogue->InvariantsFam},
        {tr("Operators"), m_catalogue->Operators},
        {tr("Constraints"), m_catalogue->Constraints},
        {tr("Objective"), objectives}};
    for (const auto &section : sections) {
        auto *top = new QTreeWidgetItem(m_tree, {section.first});
        for (const QString &keyword : section.second) {
            auto *entry = new QTreeWidgetItem(top, {keyword});
            entry->setData(0, Qt::UserRole, keyword);
            entry->setToolTip(0, m_catalogue->toolTip(keyword));
        }
    }
    auto keywordOf = [](QTreeWidgetItem *item) {
        return item ? item->data(0, Qt::UserRole).toString() : QString();
    };
    connect(m_tree, &QTreeWidget::itemActivated, this, [this, keywordOf](QTreeWidgetItem *item) {
        if (!keywordOf(item).isEmpty())
            slot_add_item(keywordOf(item));
    });

    m_documentation = new QTextBrowser;
    m_documentation->setMaximumHeight(120);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this, keywordOf](QTreeWidgetItem *item) {
                const QString keyword = keywordOf(item);
                m_documentation->setPlainText(
                    keyword.isEmpty() ? QString() : m_catalogue->textDefinition(keyword));
            });
    QPushButton *add = button(tr("Add to white board"));
    connect(add, &QPushButton::clicked, this, [this, keywordOf] {
        if (!keywordOf(m_tree->currentItem()).isEmpty())
            slot_add_item(keywordOf(m_tree->currentItem()));
    });
    lockDuringRun(m_tree);
    lockDuringRun(add);

    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(new QLabel(tr("Items (double click to add to the white board)")));
    layout->addWidget(m_tree);
    layout->addWidget(m_documentation);
    layout->addWidget(add);
    return panel;
}

QWidget *MainWidget::optimizationPage()
{
    m_title = new QLineEdit;
    m_title->setObjectName(QStringLiteral("Title"));
    m_description = new QPlainTextEdit;
    m_description->setObjectName(QStringLiteral("Description"));
    m_description->setMaximumHeight(80);
    connect(m_title, &QLineEdit::textChanged, m_board, &Problem::slot_set_title);
    connect(m_description, &QPlainTextEdit::textChanged, this,
            [this] { m_board->slot_set_description(m_description->toPlainText()); });
    connect(m_board, &Problem::signal_problem_title, m_title, &QLineEdit::setText);
    connect(m_board, &Problem::signal_problem_description, m_description,
            &QPlainTextEdit::setPlainText);

    QSpinBox *threads = spinBox(QStringLiteral("Number of threads"), 1, 4, 4);
    // 0 stands for no limit, as the label says: the workers end a job when its time is up.
    QSpinBox *time = spinBox(QStringLiteral("Optimization time (sec 0:infty)"), 0, 10000000, 600);
    QSpinBox *evals = spinBox(QStringLiteral("Max evaluations (0:infty)"), 0, INT_MAX, 0);
    QSpinBox *nMin = spinBox(QStringLiteral("n min"), 1, 32, 10);
    QSpinBox *nMax = spinBox(QStringLiteral("n max"), 1, 32, 10);
    QCheckBox *amnesy = checkBox(QStringLiteral("Amnesy mode"), true);
    QCheckBox *family = checkBox(QStringLiteral("Family opt."), true);
    QCheckBox *random = checkBox(QStringLiteral("Random graph"), false);
    QCheckBox *reset = checkBox(QStringLiteral("Reset stats"), true);
    auto *agressivity = new QDoubleSpinBox;
    agressivity->setObjectName(QStringLiteral("Agressivity"));
    agressivity->setRange(0.0, 1.0);
    agressivity->setSingleStep(0.05);
    agressivity->setValue(0.3);

    VNSManager *m = m_manager;
    connect(threads, spinChanged, m, &VNSManager::slot_set_nb_threads);
    auto setTime = [m](int s) { m->slot_setMaxTime(s == 0 ? INT_MAX : s); };
    connect(time, spinChanged, m, setTime);
    connect(evals, spinChanged, m, &VNSManager::slot_set_max_evals);
    // The range never runs backwards: each bound drags the other along.
    connect(nMin, spinChanged, m, [m, nMax](int n) {
        m->slot_set_p1min(n);
        if (nMax->value() < n)
            nMax->setValue(n);
    });
    connect(nMax, spinChanged, m, [m, nMin](int n) {
        m->slot_set_p1max(n);
        if (nMin->value() > n)
            nMin->setValue(n);
    });
    connect(amnesy, &QCheckBox::toggled, m, &VNSManager::slot_set_amnesy_mode);
    connect(family, &QCheckBox::toggled, m, &VNSManager::slot_optimize_family_in_ls);
    connect(random, &QCheckBox::toggled, m, &VNSManager::slot_set_start_random);
    connect(reset, &QCheckBox::toggled, m, &VNSManager::slot_reset_stats);
    connect(agressivity, QOverload<double>::of(&QDoubleSpinBox::valueChanged), m,
            &VNSManager::slot_set_agressivity);
    // The workers start from the values shown.
    m->slot_set_nb_threads(threads->value());
    setTime(time->value());
    m->slot_set_max_evals(evals->value());
    m->slot_set_p1min(nMin->value());
    m->slot_set_p1max(nMax->value());
    m->slot_set_amnesy_mode(amnesy->isChecked());
    m->slot_optimize_family_in_ls(family->isChecked());
    m->slot_set_start_random(random->isChecked());
    m->slot_reset_stats(reset->isChecked());
    m->slot_set_agressivity(agressivity->value());

    auto *orders = new QHBoxLayout;
    orders->addWidget(nMin);
    orders->addWidget(new QLabel(QStringLiteral("<= n <=")));
    orders->addWidget(nMax);
    auto *form = new QFormLayout;
    form->addRow(tr("Title"), m_title);
    form->addRow(tr("Description"), m_description);
    form->addRow(threads->objectName(), threads);
    form->addRow(time->objectName(), time);
    form->addRow(evals->objectName(), evals);
    form->addRow(tr("Orders"), orders);
    form->addRow(agressivity->objectName(), agressivity);
    auto *checks = new QHBoxLayout;
    for (QCheckBox *c : {amnesy, family, random, reset})
        checks->addWidget(c);
    form->addRow(checks);

    auto *run = new QToolButton;
    run->setDefaultAction(m_runAction);
    auto *halt = new QToolButton;
    halt->setDefaultAction(m_haltAction);
    for (QToolButton *b : {run, halt})
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(run);
    buttons->addWidget(halt);
    buttons->addStretch();

    m_pleaseWait = new QLabel(tr("Please wait ... (re)building mvx database"));
    m_pleaseWait->setVisible(false);
    auto *bars = new QScrollArea;
    bars->setWidgetResizable(true);
    bars->setWidget(m_progress);
    m_progress->setName(tr("Jobs"));

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(m_pleaseWait);
    layout->addWidget(bars, 1);
    return page;
}

QWidget *MainWidget::graphPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    auto row = [grid](int r, std::initializer_list<QWidget *> widgets) {
        int c = 0;
        for (QWidget *w : widgets)
            grid->addWidget(w, r, c++);
    };
    QPushButton *load = button(tr("Load"));
    QPushButton *save = button(tr("Save"));
    QPushButton *refresh = button(tr("Refresh"));
    connect(load, &QPushButton::clicked, m_graph, &Graph::slot_open);
    connect(save, &QPushButton::clicked, m_graph, &Graph::slot_save);
    connect(refresh, &QPushButton::clicked, m_graph, &Graph::slot_update);
    lockDuringRun(load);
    row(0, {load, save, refresh});

    QPushButton *cliq = button(tr("Cliq."));
    QPushButton *bip = button(tr("Bipart."));
    QPushButton *tail = button(tr("Tail."));
    for (QPushButton *b : {cliq, bip, tail})
        b->setToolTip(tr("What a double click in the graph window adds: a vertex joined to the "
                         "selected vertices"));
    connect(cliq, &QPushButton::clicked, m_graph, &Graph::slot_set_add_k);
    connect(bip, &QPushButton::clicked, m_graph, &Graph::slot_set_add_bip);
    connect(tail, &QPushButton::clicked, m_graph, &Graph::slot_set_add_tail);
    row(1, {cliq, bip, tail});

    auto *nodeSize = new QDoubleSpinBox;
    nodeSize->setObjectName(QStringLiteral("Node size"));
    nodeSize->setRange(1.0, 100.0);
    nodeSize->setValue(20.0);
    connect(nodeSize, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, [this](double r) {
        for (Graph *g : {m_graph, m_backup}) {
            g->slot_set_node_radius(r);
            g->scene()->update();
        }
    });
    auto *edgeWidth = spinBox(QStringLiteral("Edge width"), 1, 10, Edge::edgeWidth);
    connect(edgeWidth, spinChanged, this, [this](int w) {
        Edge::setEdgeWidth(w);
        for (Graph *g : {m_graph, m_backup})
            g->scene()->update();
    });
    row(2, {new QLabel(nodeSize->objectName()), nodeSize});
    row(3, {new QLabel(edgeWidth->objectName()), edgeWidth});

    QSpinBox *size = spinBox(QStringLiteral("Layout size"), 10, 5000, int(m_layoutSize));
    connect(size, spinChanged, this, [this](int s) { m_layoutSize = s; });
    m_layout3d = checkBox(tr("3D layout"), false);
    row(4, {new QLabel(size->objectName()), size, m_layout3d});
    QPushButton *layoutButton = button(tr("Lay out"));
    QPushButton *circle = button(tr("Place vertices on a circle"));
    connect(layoutButton, &QPushButton::clicked, this, &MainWidget::slot_layout);
    connect(circle, &QPushButton::clicked, this, &MainWidget::slot_place_circle);
    row(5, {layoutButton, circle});

    QPushButton *shuffle = button(tr("Shuffle (relabel)"));
    QPushButton *test = button(tr("Test relabelling"));
    connect(shuffle, &QPushButton::clicked, this, &MainWidget::slot_shuffle);
    connect(test, &QPushButton::clicked, this, &MainWidget::slot_relabel_test);
    row(6, {shuffle, test});

    QPushButton *backup = button(tr("Backup"));
    QPushButton *restore = button(tr("Restore"));
    QPushButton *exchange = button(tr("Exchange"));
    backup->setToolTip(tr("Copy the graph into the backup graph"));
    restore->setToolTip(tr("Copy the backup graph into the graph"));
    exchange->setToolTip(tr("Exchange the graph and the backup graph"));
    connect(backup, &QPushButton::clicked, this, &MainWidget::slot_backup);
    connect(restore, &QPushButton::clicked, this, &MainWidget::slot_restore);
    connect(exchange, &QPushButton::clicked, this, &MainWidget::slot_exchange);
    row(7, {backup, restore, exchange});
    for (QWidget *w : {static_cast<QWidget *>(shuffle), static_cast<QWidget *>(test),
                       static_cast<QWidget *>(restore), static_cast<QWidget *>(exchange)})
        lockDuringRun(w);
    grid->setRowStretch(8, 1);

    // The same commands in the graph window, so they are at hand there too.
    auto *layoutAction = new QAction(tr("Lay out"), this);
    auto *circleAction = new QAction(tr("Place vertices on a circle"), this);
    connect(layoutAction, &QAction::triggered, this, &MainWidget::slot_layout);
    connect(circleAction, &QAction::triggered, this, &MainWidget::slot_place_circle);
    m_graphWindow->addCommand(layoutAction);
    m_graphWindow->addCommand(circleAction);
    for (QPushButton *b : {backup, restore, exchange}) {
        auto *a = new QAction(b->text(), this);
        a->setToolTip(b->toolTip());
        connect(a, &QAction::triggered, b, &QPushButton::click);
        m_backupWindow->addCommand(a);
        if (b != backup)
            lockDuringRun(a);
    }
    return page;
}

QWidget *MainWidget::explorerPage()
{
    QCheckBox *autoAdd = checkBox(QStringLiteral("Auto add Graphs"), true);
    QPushButton *add = button(QStringLiteral("Add graphs"));
    add->setEnabled(false);
    auto *waiting = new QLabel(QStringLiteral("0 graphs waiting"));
    waiting->setObjectName(QStringLiteral("graphs waiting"));
    connect(autoAdd, &QCheckBox::toggled, m_manager, &VNSManager::slot_auto_add_graphs);
    connect(add, &QPushButton::clicked, m_manager, &VNSManager::slot_add_graphs_analyst);
    connect(m_manager, &VNSManager::signal_enable_add_graphs, add, &QPushButton::setEnabled);
    connect(m_manager, &VNSManager::signal_nb_graphs, waiting, &QLabel::setText);
    m_manager->slot_auto_add_graphs(autoAdd->isChecked());
    QPushButton *open = button(tr("Open results explorer"));
    connect(open, &QPushButton::clicked, m_explorerWindow, [this] {
        m_explorerWindow->show();
        m_explorerWindow->raise();
    });
    QPushButton *clear = button(QStringLiteral("Clear database"));
    clear->setToolTip(tr("Empty both explorers and their relations lists"));
    connect(clear, &QPushButton::clicked, this, &MainWidget::slot_clear_database);
    // Clearing reads the board's report columns, which the workers are publishing into.
    lockDuringRun(clear);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(autoAdd);
    auto *row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(waiting);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(open);
    layout->addWidget(clear);
    layout->addStretch();
    return page;
}

QWidget *MainWidget::preferencesPage()
{
    m_wdEdit = new QLineEdit;
    m_wdEdit->setObjectName(QStringLiteral("wd"));
    m_wdEdit->setReadOnly(true);
    QPushButton *choose = button(tr("Choose..."));
    connect(choose, &QPushButton::clicked, this, &MainWidget::slot_choose_wd);
    QCheckBox *reload = checkBox(tr("Reload the last problem and graph at start-up"),
                                 m_settings->value(QStringLiteral("reload"), true).toBool());
    reload->setObjectName(QStringLiteral("reload"));
    connect(reload, &QCheckBox::toggled, this,
            [this](bool on) { m_settings->setValue(QStringLiteral("reload"), on); });

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("Working directory (dialogs start there; autosave files)")));
    auto *row = new QHBoxLayout;
    row->addWidget(m_wdEdit);
    row->addWidget(choose);
    layout->addLayout(row);
    layout->addWidget(reload);
    layout->addStretch();
    return page;
}

// ------------------------------------------------------------------ wiring and start-up

void MainWidget::wire()
{
    Graph *g = m_graph;
    connect(g, &Graph::signal_best_graph_changed, m_board, &Problem::slot_best_backup);
    connect(g, &Graph::signal_interactive_graph_changed, m_board, &Problem::slot_refresh);
    connect(g, &Graph::signal_start_vns, this, &MainWidget::slot_run);
    connect(g, &Graph::signal_place_graph, this, &MainWidget::slot_layout);
    const auto console4 = static_cast<Console4>(&Console::append);
    for (Graph *view : {m_graph, m_backup})
        connect(view, &Graph::signal_console, m_console, console4);
    connect(m_board, &Problem::signal_console, m_console, console4);
    connect(m_board, &Problem::signal_start_vns, m_manager, &VNSManager::slot_startVNS);
    connect(m_boardWindow, &BoardWindow::signal_add_item, this, &MainWidget::slot_add_item);

    VNSManager *m = m_manager;
    connect(m, &VNSManager::signal_optimization_starts, this,
            &MainWidget::slot_optimization_starts);
    connect(m, &VNSManager::signal_optimization_complete, this,
            &MainWidget::slot_optimization_complete);
    connect(m, &VNSManager::signal_please_wait, m_pleaseWait, &QWidget::setVisible);
    connect(m, static_cast<Manager4>(&VNSManager::signal_console), m_console, console4);
    connect(m, static_cast<Manager5>(&VNSManager::signal_console), m_console,
            static_cast<Console5>(&Console::append));
    connect(m, &VNSManager::signal_new_solution, m_board, &Problem::slot_refresh);
    connect(m, &VNSManager::signal_nb_jobs, m_progress, &ProgressBar::set_nb_bars);
    connect(m, &VNSManager::signal_vns_progress, m_progress, &ProgressBar::slot_progress);
    connect(this, &MainWidget::signal_start_vns, m, &VNSManager::slot_startVNS);
    connect(this, &MainWidget::signal_halt, m, &VNSManager::slot_stopVNS);
    connect(m_progress, &ProgressBar::signal_cancel, m, &VNSManager::slot_stopVNS);
    connect(m_runAction, &QAction::triggered, this, &MainWidget::slot_run);
    connect(m_haltAction, &QAction::triggered, this, &MainWidget::slot_halt);
    connect(m_report, &Report::signal_update_requested, this, &MainWidget::slot_show_report);

    for (Explorer &e : m_explorers) {
        connect(m, &VNSManager::signal_graphs_ready, e.explorer, &AnalystWidget::slot_data_loaded);
        connect(e.explorer, &AnalystWidget::signal_console, m_console, console4);
        connect(e.panel, &ConjectureWidget::signal_console, m_console, console4);
        connect(e.explorer, &AnalystWidget::signal_header_changed, e.settings,
                &ConjectureSettings::setVariables);
        // Relations name graphs by their numbers, which a cleared table gives out again.
        connect(e.explorer, &AnalystWidget::signal_database_cleared, e.display,
                &ConjecturesDisplay::clear);
    }
    connect(g, &Graph::signal_load_next, m_explorers[GraphValues].explorer,
            &AnalystWidget::slot_load_next);
    connect(&m_autosave, &QTimer::timeout, this, &MainWidget::slot_autosave);
}

void MainWidget::waitForManager()
{
    m_manager->wait();
    // Reading the manager's end flag after the wait orders its run before what follows for the
    // thread sanitizer, which cannot see QThread::wait.
    m_manager->isRunActive();
}

void MainWidget::startUp()
{
    QSettings &s = *m_settings;
    s.setValue(QStringLiteral("runs"), s.value(QStringLiteral("runs"), 0).toInt() + 1);
    setWorkingDirectory(s.value(QStringLiteral("wd"), QDir::homePath()).toString());

    if (s.value(QStringLiteral("reload"), true).toBool() &&
        !s.value(QStringLiteral("problem")).toString().isEmpty()) {
        const QString graphText = s.value(QStringLiteral("graph")).toString();
        // Cleared first: a graph that cannot be restored is not tried again at the next start.
        s.setValue(QStringLiteral("graph"), QString());
        bool restored = m_board->autoload();
        if (restored && !graphText.isEmpty())
            restored = m_graph->autoload();
        if (!restored)
            Prompts::instance().message(this, Prompts::Level::Warning, tr("Warning"),
                                        tr("The last working state could not be restored "
                                           "from %1; the defaults are kept.")
                                            .arg(QDir::toNativeSeparators(m_wd)));
    }
    m_graph->changeBest();
    m_graph->best_backup();
    slot_layout();
    m_autosave.start(60000);
}

void MainWidget::setWorkingDirectory(const QString &wd)
{
    m_wd = wd;
    m_board->setWD(wd);
    m_graph->setWD(wd);
    m_backup->setWD(wd);
    for (Explorer &e : m_explorers)
        e.explorer->setWD(wd);
    m_wdEdit->setText(QDir::toNativeSeparators(wd));
}

void MainWidget::slot_choose_wd()
{
    const QString wd =
        Prompts::instance().directory(this, tr("Choose the working directory"), m_wd);
    if (wd.isEmpty())
        return;
    setWorkingDirectory(wd);
    m_settings->setValue(QStringLiteral("wd"), wd);
}

void MainWidget::slot_autosave()
{
    m_settings->setValue(QStringLiteral("problem"), m_board->saveString());
    m_settings->setValue(QStringLiteral("graph"), m_graph->graphData());
    m_settings->sync();
    m_board->autosave();
    m_graph->autosave();
}

// ------------------------------------------------------------------ optimization

void MainWidget::slot_run()
{
    if (!m_board->needOptimization()) {
        Prompts::instance().message(this, Prompts::Level::Warning, tr("Warning"),
                                    tr("No problem to optimize."));
        return;
    }
    emit signal_start_vns();
}

void MainWidget::slot_halt()
{
    emit signal_halt();
}

void MainWidget::slot_optimization_starts()
{
    setEditingEnabled(false);
    for (Explorer &e : m_explorers)
        e.explorer->slot_set_search_active(true);
}

void MainWidget::slot_optimization_complete()
{
    setEditingEnabled(true);
    for (Explorer &e : m_explorers)
        e.explorer->slot_set_search_active(false);
}

void MainWidget::setEditingEnabled(bool on)
{
    for (const QPointer<QWidget> &w : qAsConst(m_lockedWidgets))
        if (w)
            w->setEnabled(on);
    for (const QPointer<QAction> &a : qAsConst(m_lockedActions))
        if (a)
            a->setEnabled(on);
    // An item's dialog changes the item that the workers publish into.
    // Read in place: a copy would share a list that a worker's access then reallocates.
    for (const QVector<Calculus *> *list : {&m_board->getItems(), &m_board->getFamilies(),
                                            &m_board->getConstraints(), &m_board->getObjectives()})
        for (Calculus *item : *list)
            if (QWidget *dialog = item->getCalculusDisplay())
                dialog->setEnabled(on);
}

void MainWidget::lockDuringRun(QWidget *w)
{
    m_lockedWidgets << w;
}

void MainWidget::lockDuringRun(QAction *a)
{
    m_lockedActions << a;
}

void MainWidget::slot_add_item(QString keyword)
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

// ------------------------------------------------------------------ graph commands

void MainWidget::slot_layout()
{
    if (m_graph->getNbNodes() < 3)
        return;
    if (m_graph->getNbEdges() <= 1) {
        slot_place_circle();
        return;
    }
    const int dim = m_layout3d->isChecked() ? 3 : 2;
    for (Graph *g : {m_graph, m_backup}) {
        MDS layout(g, m_layoutSize, dim);
        g->update_display();
    }
}

void MainWidget::slot_place_circle()
{
    if (m_graph->getNbNodes() < 3)
        return;
    for (Graph *g : {m_graph, m_backup}) {
        g->place_circle(m_layoutSize);
        g->update_display();
    }
}

void MainWidget::slot_backup()
{
    m_backup->copy(m_graph);
    m_backup->best_backup();
    m_backup->update_display();
}

void MainWidget::slot_restore()
{
    m_graph->copy(m_backup);
    // changeBest rather than best_backup alone: the board then shows the restored graph's values.
    m_graph->changeBest();
    m_graph->update_display();
}

void MainWidget::slot_exchange()
{
    Graph *clone = m_graph->clone();
    m_graph->copy(m_backup);
    m_backup->copy(clone);
    delete clone;
    m_graph->changeBest();
    m_graph->update_display();
    m_backup->best_backup();
    m_backup->update_display();
}

void MainWidget::slot_shuffle()
{
    m_graph->best_restore();
    m_graph->relabel();
    m_graph->changeBest();
    m_graph->update_display();
}

void MainWidget::slot_relabel_test()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_graph->best_restore();
    Isomorphic test;
    test.setG1(m_graph->graphData());
    int found = 0;
    for (int k = 0; k < 100; ++k) {
        m_graph->relabel();
        test.setG2(m_graph->currentGraphData());
        if (test.isIsomorphic() != 0)
            ++found;
    }
    // relabel leaves the counter alone: put the shown graph back so the items stay right.
    m_graph->best_restore();
    QApplication::restoreOverrideCursor();
    m_console->append(tr("Relabelling test: %1/100 relabelled graphs found isomorphic").arg(found),
                      false, 0, QColor(found == 100 ? Qt::blue : Qt::red));
}

// ------------------------------------------------------------------ report and quit

void MainWidget::slot_show_report()
{
    m_report->rebuild(conjectures());
    m_report->show();
    m_report->raise();
}

bool MainWidget::quit()
{
    emit signal_halt();
    waitForManager();
    for (Explorer &e : m_explorers)
        e.panel->cancelAndWait();
    if (!Prompts::instance().question(this, tr("Quit"), tr("Really quit?")))
        return false;
    m_autosave.stop();
    slot_autosave();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != window() && w->isVisible())
            w->close();
    return true;
}
