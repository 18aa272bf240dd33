#include "app/MainWidget.h"

#include "app/BoardWindow.h"
#include "app/CatalogueTree.h"
#include "app/ExplorerPage.h"
#include "app/GraphCommands.h"
#include "app/GraphPage.h"
#include "app/OptimizationPage.h"
#include "app/PreferencesPage.h"
#include "app/Report.h"
#include "common/Prompts.h"
#include "graph/Graph.h"
#include "optimizer/VNSManager.h"
#include "problem/Problem.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QSplitter>
#include <QToolBox>

MainWidget::MainWidget(const BuildCalculus *catalogue, SettingsStore *settings, QWidget *parent)
    : QWidget(parent), m_bench(new Workbench(catalogue, settings, this))
{
    m_runAction = new QAction(QIcon(QStringLiteral(":/src/images/run.png")), tr("Run"), this);
    m_haltAction = new QAction(QIcon(QStringLiteral(":/src/images/halt.png")), tr("Halt"), this);
    m_runAction->setStatusTip(tr("Search for extremal graphs of the white board's problem"));
    m_haltAction->setStatusTip(tr("End the search; what was found is kept"));
    m_bench->lockWhileRunning(m_runAction);
    for (QAction *a : {m_runAction, m_haltAction})
        boardWindow()->addCommand(a);

    m_tree = new CatalogueTree(m_bench.get());
    m_optimization = new OptimizationPage(m_bench.get(), m_runAction, m_haltAction);
    m_preferences = new PreferencesPage(m_bench.get());
    auto *pages = new QToolBox;
    pages->addItem(m_optimization, tr("Optimization"));
    pages->addItem(new GraphPage(m_bench.get()), tr("Graph"));
    pages->addItem(new ExplorerPage(m_bench.get()), tr("Explorer"));
    pages->addItem(m_preferences, tr("Preferences"));
    m_splitter.reset(new QSplitter);
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(pages);
    m_splitter->setStretchFactor(1, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter.get());

    connect(m_tree, &CatalogueTree::signal_add_item, this, &MainWidget::slot_add_item);
    connect(graph(), &Graph::signal_start_vns, this, &MainWidget::slot_run);
    connect(m_runAction, &QAction::triggered, this, &MainWidget::slot_run);
    connect(m_haltAction, &QAction::triggered, this, &MainWidget::slot_halt);
    VNSManager *m = manager();
    connect(this, &MainWidget::signal_start_vns, m, &VNSManager::slot_startVNS);
    connect(this, &MainWidget::signal_halt, m, &VNSManager::slot_stopVNS);
    connect(m, &VNSManager::signal_optimization_starts, this,
            &MainWidget::slot_optimization_starts);
    connect(m, &VNSManager::signal_optimization_complete, this,
            &MainWidget::slot_optimization_complete);

    m_bench->startUp();
}

MainWidget::~MainWidget() = default;

ProgressBar *MainWidget::progressBar() const
{
    return m_optimization->progressBar();
}

QTreeWidget *MainWidget::catalogueTree() const
{
    return m_tree->tree();
}

bool MainWidget::quit()
{
    if (!m_bench->shutDown())
        return false;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != window() && w->isVisible())
            w->close();
    return true;
}

void MainWidget::slot_run()
{
    if (!board()->needOptimization()) {
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
    m_bench->slot_set_running(true);
}

void MainWidget::slot_optimization_complete()
{
    m_bench->slot_set_running(false);
}

void MainWidget::slot_add_item(QString keyword)
{
    m_bench->slot_add_item(keyword);
}

bool MainWidget::slot_autosave()
{
    return m_bench->workingState()->slot_autosave();
}

void MainWidget::slot_choose_wd()
{
    m_preferences->slot_choose_wd();
}

void MainWidget::slot_show_report()
{
    // Showing builds it; an open report is built again.
    Report *r = report();
    if (r->isVisible())
        r->rebuild();
    r->show();
    r->raise();
}

void MainWidget::slot_clear_database()
{
    m_bench->slot_clear_database();
}
