#include "app/GraphPage.h"

#include "app/Controls.h"
#include "app/GraphCommands.h"
#include "app/GraphWindow.h"
#include "app/Workbench.h"
#include "graph/Edge.h"
#include "graph/Graph.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>

GraphPage::GraphPage(Workbench *bench, QWidget *parent) : QWidget(parent)
{
    using Controls::button;
    Graph *graph = bench->graph();
    GraphCommands *commands = bench->graphCommands();
    auto *grid = new QGridLayout(this);
    auto row = [grid](int r, std::initializer_list<QWidget *> widgets) {
        int c = 0;
        for (QWidget *w : widgets)
            grid->addWidget(w, r, c++);
    };
    QPushButton *load = button(tr("Load"));
    QPushButton *save = button(tr("Save"));
    QPushButton *refresh = button(tr("Refresh"));
    connect(load, &QPushButton::clicked, graph, &Graph::slot_open);
    connect(save, &QPushButton::clicked, graph, &Graph::slot_save);
    connect(refresh, &QPushButton::clicked, graph, &Graph::slot_update);
    row(0, {load, save, refresh});

    QPushButton *cliq = button(tr("Cliq."));
    QPushButton *bip = button(tr("Bipart."));
    QPushButton *tail = button(tr("Tail."));
    for (QPushButton *b : {cliq, bip, tail})
        b->setToolTip(tr("What a double click in the graph window adds: a vertex joined to the "
                         "selected vertices"));
    connect(cliq, &QPushButton::clicked, graph, &Graph::slot_set_add_k);
    connect(bip, &QPushButton::clicked, graph, &Graph::slot_set_add_bip);
    connect(tail, &QPushButton::clicked, graph, &Graph::slot_set_add_tail);
    row(1, {cliq, bip, tail});

    auto *nodeSize = new QDoubleSpinBox;
    nodeSize->setObjectName(QStringLiteral("Node size"));
    nodeSize->setRange(1.0, 100.0);
    nodeSize->setValue(20.0);
    connect(nodeSize, QOverload<double>::of(&QDoubleSpinBox::valueChanged), commands,
            &GraphCommands::slot_set_node_radius);
    QSpinBox *edgeWidth = Controls::spinBox(QStringLiteral("Edge width"), 1, 10, Edge::edgeWidth);
    const auto spinChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(edgeWidth, spinChanged, commands, &GraphCommands::slot_set_edge_width);
    row(2, {new QLabel(nodeSize->objectName()), nodeSize});
    row(3, {new QLabel(edgeWidth->objectName()), edgeWidth});

    QSpinBox *size = Controls::spinBox(QStringLiteral("Layout size"), 10, 5000, 300);
    connect(size, spinChanged, commands, &GraphCommands::slot_set_layout_size);
    QCheckBox *layout3d = Controls::checkBox(tr("3D layout"), false);
    connect(layout3d, &QCheckBox::toggled, commands, &GraphCommands::slot_set_layout_3d);
    commands->slot_set_layout_size(size->value());
    commands->slot_set_layout_3d(layout3d->isChecked());
    row(4, {new QLabel(size->objectName()), size, layout3d});
    QPushButton *layoutButton = button(tr("Lay out"));
    QPushButton *circle = button(tr("Place vertices on a circle"));
    connect(layoutButton, &QPushButton::clicked, commands, &GraphCommands::slot_layout);
    connect(circle, &QPushButton::clicked, commands, &GraphCommands::slot_place_circle);
    row(5, {layoutButton, circle});

    QPushButton *shuffle = button(tr("Shuffle (relabel)"));
    QPushButton *test = button(tr("Test relabelling"));
    connect(shuffle, &QPushButton::clicked, commands, &GraphCommands::slot_shuffle);
    connect(test, &QPushButton::clicked, commands, &GraphCommands::slot_relabel_test);
    row(6, {shuffle, test});

    QPushButton *backup = button(tr("Backup"));
    QPushButton *restore = button(tr("Restore"));
    QPushButton *exchange = button(tr("Exchange"));
    backup->setToolTip(tr("Copy the graph into the backup graph"));
    restore->setToolTip(tr("Copy the backup graph into the graph"));
    exchange->setToolTip(tr("Exchange the graph and the backup graph"));
    connect(backup, &QPushButton::clicked, commands, &GraphCommands::slot_backup);
    connect(restore, &QPushButton::clicked, commands, &GraphCommands::slot_restore);
    connect(exchange, &QPushButton::clicked, commands, &GraphCommands::slot_exchange);
    row(7, {backup, restore, exchange});
    for (QPushButton *b : {load, shuffle, test, restore, exchange})
        bench->lockWhileRunning(b);
    grid->setRowStretch(8, 1);

    // The same commands in the graph window, so they are at hand there too.
    auto *layoutAction = new QAction(tr("Lay out"), this);
    auto *circleAction = new QAction(tr("Place vertices on a circle"), this);
    connect(layoutAction, &QAction::triggered, commands, &GraphCommands::slot_layout);
    connect(circleAction, &QAction::triggered, commands, &GraphCommands::slot_place_circle);
    bench->graphWindow()->addCommand(layoutAction);
    bench->graphWindow()->addCommand(circleAction);
    for (QPushButton *b : {backup, restore, exchange}) {
        auto *a = new QAction(b->text(), this);
        a->setToolTip(b->toolTip());
        connect(a, &QAction::triggered, b, &QPushButton::click);
        bench->backupWindow()->addCommand(a);
        if (b != backup)
            bench->lockWhileRunning(a);
    }
}
