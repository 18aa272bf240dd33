#pragma once

#include <QObject>

class Console;
class Graph;

/// The inspector's commands on the main graph and its backup: layout, circle placement,
/// backup, restore, exchange, relabelling and its test, and the drawing sizes of both views.
/// Layout and drawing apply to both graphs alike.
class GraphCommands : public QObject
{
    Q_OBJECT
public:
    /// None of the three is owned.
    GraphCommands(Graph *graph, Graph *backup, Console *console, QObject *parent = nullptr);

public slots:
    /// Multidimensional scaling of both graphs; a graph of at most one edge goes on a circle
    /// instead, and one of fewer than three vertices stays as it is.
    void slot_layout();
    void slot_place_circle();
    void slot_backup();
    void slot_restore();
    void slot_exchange();
    void slot_shuffle();
    /// A hundred random relabellings of the main graph, each checked against the original by
    /// the isomorphism test; the count found isomorphic goes to the console.
    void slot_relabel_test();
    /// The diameter that layouts fill, in scene units.
    void slot_set_layout_size(int size);
    void slot_set_layout_3d(bool on);
    void slot_set_node_radius(double radius);
    void slot_set_edge_width(int width);

private:
    Graph *m_graph;
    Graph *m_backup;
    Console *m_console;
    double m_layoutSize = 300;
    bool m_layout3d = false;
};
