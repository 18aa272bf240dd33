#include "app/ExplorerPage.h"

#include "app/Controls.h"
#include "app/Workbench.h"
#include "optimizer/VNSManager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

ExplorerPage::ExplorerPage(Workbench *bench, QWidget *parent) : QWidget(parent)
{
    VNSManager *m = bench->manager();
    QCheckBox *autoAdd = Controls::checkBox(QStringLiteral("Auto add Graphs"), true);
    QPushButton *add = Controls::button(QStringLiteral("Add graphs"));
    add->setEnabled(false);
    auto *waiting = new QLabel(QStringLiteral("0 graphs waiting"));
    waiting->setObjectName(QStringLiteral("graphs waiting"));
    connect(autoAdd, &QCheckBox::toggled, m, &VNSManager::slot_auto_add_graphs);
    connect(add, &QPushButton::clicked, m, &VNSManager::slot_add_graphs_analyst);
    connect(m, &VNSManager::signal_enable_add_graphs, add, &QPushButton::setEnabled);
    connect(m, &VNSManager::signal_nb_graphs, waiting, &QLabel::setText);
    m->slot_auto_add_graphs(autoAdd->isChecked());
    QPushButton *open = Controls::button(tr("Open results explorer"));
    QTabWidget *window = bench->explorerWindow();
    connect(open, &QPushButton::clicked, window, [window] {
        window->show();
        window->raise();
    });
    QPushButton *clear = Controls::button(QStringLiteral("Clear database"));
    clear->setToolTip(tr("Empty both explorers and their relations lists"));
    connect(clear, &QPushButton::clicked, bench, &Workbench::slot_clear_database);
    // Clearing reads the board's report columns, which the workers are publishing into.
    bench->lockWhileRunning(clear);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(autoAdd);
    auto *row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(waiting);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(open);
    layout->addWidget(clear);
    layout->addStretch();
}
