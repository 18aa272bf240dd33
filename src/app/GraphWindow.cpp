#include "app/GraphWindow.h"

#include "graph/Graph.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QToolBar>

GraphWindow::GraphWindow(Graph *graph, const QString &title, bool editing, QWidget *parent)
    : QMainWindow(parent), m_graph(graph), m_toolBar(addToolBar(tr("Graph"))),
      m_contextMenu(new QMenu(tr("Graph context menu"), this))
{
    setWindowTitle(title);
    setCentralWidget(graph);
    m_toolBar->setObjectName(QStringLiteral("Graph"));
    if (editing) {
        m_open = command(tr("&Open graph"), &Graph::slot_open, true);
        m_save = command(tr("&Save graph"), &Graph::slot_save, false);
    }
    m_print = command(tr("&Print graph"), &Graph::slot_print, false);
    m_print->setIcon(QIcon(QStringLiteral(":/src/images/print_graph.png")));
    m_print->setStatusTip(tr("Print Graph"));
    m_refresh = command(tr("Refresh"), &Graph::slot_update, false);
    if (editing) {
        m_toolBar->addSeparator();
        m_contextMenu->addSeparator();
        command(tr("Add vertex"), &Graph::slot_addv, true);
        command(tr("Remove selected vertices"), &Graph::slot_remv, true);
        command(tr("Add edges"), &Graph::slot_adde, true);
        command(tr("Remove edges"), &Graph::slot_reme, true);
        command(tr("Complement"), &Graph::slot_complement, true);
        m_contextMenu->addSeparator();
        command(tr("Select all"), &Graph::slot_select_all, true);
        command(tr("Unselect all"), &Graph::slot_unselect_all, true);
        command(tr("Invert selection"), &Graph::slot_invert_selection, true);
    }
    m_toolBar->addSeparator();
    m_contextMenu->addSeparator();
    connect(graph, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { m_contextMenu->popup(m_graph->mapToGlobal(p)); });
    resize(640, 560);
}

QAction *GraphWindow::command(const QString &text, void (Graph::*slot)(), bool edits)
{
    auto *a = new QAction(text, this);
    connect(a, &QAction::triggered, m_graph, slot);
    m_toolBar->addAction(a);
    m_contextMenu->addAction(a);
    if (edits)
        m_editing << a;
    return a;
}

void GraphWindow::addCommand(QAction *action)
{
    m_toolBar->addAction(action);
    m_contextMenu->addAction(action);
}

void GraphWindow::slot_set_running(bool running)
{
    m_graph->setDisabled(running);
    for (QAction *a : qAsConst(m_editing))
        a->setDisabled(running);
}
