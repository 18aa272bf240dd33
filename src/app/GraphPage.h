#pragma once

#include <QWidget>

class Workbench;

/// The inspector's graph page: file commands, what a double click adds, vertex and edge sizes,
/// layout, relabelling, and backup, restore and exchange with the backup graph. It also
/// offers the layout commands in the graph window and the backup commands in the backup
/// window.
class GraphPage : public QWidget
{
    Q_OBJECT
public:
    /// The workbench is not owned. The commands that change the main graph are disabled
    /// while a search runs.
    explicit GraphPage(Workbench *bench, QWidget *parent = nullptr);
};
