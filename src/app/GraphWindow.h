#pragma once

#include <QList>
#include <QMainWindow>

class Graph;
class QAction;
class QMenu;
class QToolBar;

/// A window around a graph view: the "Graph" tool bar and the "Graph context menu". The
/// window takes the view as its central widget and so owns it.
class GraphWindow : public QMainWindow
{
    Q_OBJECT
public:
    /// With editing, the file and editing commands of the view are offered; without, only
    /// printing and refresh (what the inspector adds comes through addCommand).
    GraphWindow(Graph *graph, const QString &title, bool editing, QWidget *parent = nullptr);

    QToolBar *toolBar() const { return m_toolBar; }
    QAction *openAction() const { return m_open; }
    QAction *saveAction() const { return m_save; }
    QAction *printAction() const { return m_print; }
    QAction *refreshAction() const { return m_refresh; }
    /// Offers an inspector command in the tool bar and the context menu.
    void addCommand(QAction *action);

public slots:
    /// While a search runs, the view and the commands that change the graph are disabled: the
    /// workers publish into the main graph.
    void slot_set_running(bool running);

private:
    QAction *command(const QString &text, void (Graph::*slot)(), bool edits);

    Graph *m_graph;
    QToolBar *m_toolBar;
    QMenu *m_contextMenu;
    QAction *m_open = nullptr;
    QAction *m_save = nullptr;
    QAction *m_print;
    QAction *m_refresh;
    /// The commands that change the graph.
    QList<QAction *> m_editing;
};
