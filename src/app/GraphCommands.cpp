#include "app/GraphCommands.h"

#include "app/Console.h"
#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Isomorphic.h"
#include "graph/MDS.h"

#include <QApplication>
#include <QGraphicsScene>

GraphCommands::GraphCommands(Graph *graph, Graph *backup, Console *console, QObject *parent)
    : QObject(parent), m_graph(graph), m_backup(backup), m_console(console)
{
}

void GraphCommands::slot_layout()
{
    if (m_graph->getNbNodes() < 3)
        return;
    if (m_graph->getNbEdges() <= 1) {
        slot_place_circle();
        return;
    }
    const int dim = m_layout3d ? 3 : 2;
    for (Graph *g : {m_graph, m_backup}) {
        MDS layout(g, m_layoutSize, dim);
        g->update_display();
    }
}

void GraphCommands::slot_place_circle()
{
    if (m_graph->getNbNodes() < 3)
        return;
    for (Graph *g : {m_graph, m_backup}) {
        g->place_circle(m_layoutSize);
        g->update_display();
    }
}

void GraphCommands::slot_backup()
{
    m_backup->copy(m_graph);
    m_backup->best_backup();
    m_backup->update_display();
}

void GraphCommands::slot_restore()
{
    m_graph->copy(m_backup);
    // changeBest rather than best_backup alone: the board then shows the restored graph's values.
    m_graph->changeBest();
    m_graph->update_display();
}

void GraphCommands::slot_exchange()
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

void GraphCommands::slot_shuffle()
{
    m_graph->best_restore();
    m_graph->relabel();
    m_graph->changeBest();
    m_graph->update_display();
}

void GraphCommands::slot_relabel_test()
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

void GraphCommands::slot_set_layout_size(int size)
{
    m_layoutSize = size;
}

void GraphCommands::slot_set_layout_3d(bool on)
{
    m_layout3d = on;
}

void GraphCommands::slot_set_node_radius(double radius)
{
    for (Graph *g : {m_graph, m_backup}) {
        g->slot_set_node_radius(radius);
        g->scene()->update();
    }
}

void GraphCommands::slot_set_edge_width(int width)
{
    Edge::setEdgeWidth(width);
    for (Graph *g : {m_graph, m_backup})
        g->scene()->update();
}
