#pragma once

#include "graph/BitGraph.h"

#include <QColor>
#include <QGraphicsView>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QVector>
#include <atomic>
#include <cstdint>
#include <functional>
#include <istream>
#include <mutex>

class Node;
class Edge;
class QGraphicsScene;
class QGraphicsRectItem;

/// A simple undirected graph of at most 32 vertices and the view that draws it.
///
/// Two adjacencies: the current graph, which edits change, and the best graph, a snapshot taken by
/// best_backup() from which the drawing and graphData() are made. getID() is a modification
/// counter that readers compare for equality only.
///
/// Locks: the best mutex guards the best graph and what is drawn from it, the current mutex the
/// cells of the current graph; their place in the system's order is in common/LockOrder.h.
/// Structural edits (vertex count) of one graph are made by one thread at a time.
///
/// Anything that touches a scene item or the widget is done in the GUI thread: from another
/// thread it is queued there, and only plain flags are written in place.
class Graph : public QGraphicsView
{
    Q_OBJECT

public:
    Graph(QString name, bool display);
    ~Graph() override;

    // Reading the current graph.
    int getNbNodes() const { return m_n.load(std::memory_order_relaxed); }
    /// False unless 0 <= i, j < n and i != j; a pair is adjacent when either of its cells is set.
    bool edge(int i, int j) const;
    /// Pairs i < j < n whose cell above the diagonal is set.
    int getNbEdges() const;
    int getID() const { return static_cast<int>(m_id.load(std::memory_order_acquire)); }
    /// Vertex last pressed in the view; 0 when none was, and not adjusted when vertices go.
    int getLastClickedNode() const { return m_lastClickedNode; }
    /// Fills out with the current graph under one lock, by the adjacency rule of edge().
    void snapshot(BitGraph &out) const;

    // The best graph.
    bool bestEdge(int i, int j) const;
    int getNbBestNodes() const;
    int getBestID() const;
    void best_backup();
    void best_restore();
    void changeBest();

    // Drawing of the best graph.
    void update_display();
    void setViolated(bool v);
    bool isViolated() const { return m_violated.load(std::memory_order_relaxed); }
    QString getName() const { return m_name; }
    /// Vertex item of slot i (0 to 31), null outside.
    Node *getNode(int i) const;
    /// Edge item of the pair {i, j}, null on the diagonal or outside 0 to 31.
    Edge *getEdge(int i, int j) const;

    // Values the board feeds into the drawing, and vertex positions.
    /// Colour index of vertex i (i < 32) from entry i, truncated toward zero; NaN or a value
    /// beyond int gives 0. An empty vector sets all 32 to 0.
    void setColors(QVector<double> colors);
    /// Label of vertex i (i < 32) from entry i, six significant digits; an empty vector clears all.
    void setLabels(QVector<double> labels);
    /// Label of each pair j < i < nBest that is an edge of the current graph, from m[i][j] when
    /// show holds (a cell outside m keeps the label), else empty.
    void setELabels(QVector<QVector<double>> m, bool show);
    /// Highlight of the same pairs: show and m[i][j] > 0.999999.
    void setEHilight(QVector<QVector<double>> m, bool show);
    void resetLabels();
    void resetColors();
    /// Highlights vertex k alone (none when k is outside 0..31).
    void hilight(int k);
    /// Only for 0 <= i < n; the first form stores z = 0.
    void setPos(int i, QPointF p);
    void setPos(int i, double x, double y, double z);
    /// Vertices 0..n-1 on a circle of diameter size about the origin, vertex 0 at (size/2, 0).
    void place_circle(double size);
    /// Moves the centroid of the drawn vertices (scene x, y and stored z) to the origin.
    void center();
    /// Dumps the counter and both adjacencies (n x n) to standard error.
    void display() const;

    // Files, export and printing. Writers report failure and never leave a half-written file;
    // readers change nothing unless the whole file was accepted.
    bool save(QString fileName);
    bool open(QString fileName);
    /// Writes the autosave file; false when it could not be written, `error`, when given, then
    /// saying why. `written`, when given, receives the bytes written.
    bool autosave(QString *error = nullptr, QByteArray *written = nullptr);
    bool autoload();
    /// ".mvxgr" in the working directory (the process's current directory when none is set).
    QString autosaveFileName() const;
    bool export_graph(QString fileName);
    /// Renders the visible part of the drawing into a landscape PDF; false when it failed.
    bool printToFile(QString fileName);
    /// Maps the best graph's stored coordinates into the box [-W/2, W/2] x [-H/2, H/2].
    void scaleCoords(double W, double H);

    // View commands.
    void addK();
    void addBip();
    void addTail();
    void relabel();
    void rotate(double a, double b, double c);
    /// Zoom by f unless the unit square would then be drawn narrower than 0.07 or wider than 100.
    void scaleView(double f);
    void optimizationStarts();
    void optimizationStops();
    /// Starts or stops the rotation animation; the new timer id, 0 when stopped.
    int toggleAnim();

    void setWD(QString wd) { m_wd = wd; }
    QString getWD() const { return m_wd; }
    void lock();
    void unlock();

    // Editing the current graph.
    bool addEdge(int i, int j);
    bool remEdge(int i, int j);
    void toggleEdge(int i, int j);
    void invert();
    bool addNode();
    bool remNode();
    bool remNode(int v);
    void clear();
    /// Random graph on k vertices (k clamped to 0..32), each pair an edge with probability 1/2.
    void randomGraph(int k);
    /// Takes the source's vertex count and current adjacency; a null source or this graph is
    /// ignored.
    void copy(Graph *source);
    /// New graph "Clone" without display holding a copy of this graph; the caller owns it.
    Graph *clone();

    // Graph string and graph6 (graph/GraphString.h). A load rewrites every pair of the new
    // vertices, one counter step each, and moves the counter at least once when the vertex
    // count changes, so that no item keeps a value of the previous graph.
    QString graphData() const;
    QString currentGraphData() const;
    /// False, with the graph unchanged, when the count lies outside 0..32.
    bool loadCurrentGraph(QString text);
    bool loadmvx(QString text, bool reset);
    /// False, with the graph unchanged, when the line is not a graph6 line of order 0 to 32.
    bool loadg6(QString line, bool reset);
    /// Reads one line from the stream; always resets the vertex set, never takes the best copy.
    bool loadg6(std::istream &in);

public slots:
    void slot_update();
    void slot_set_node_radius(double r);
    void slot_setScalePos(int s);
    void slot_randomPosition();
    void slot_scalePosition();
    void slot_save();
    void slot_open();
    void slot_export_graph();
    void slot_print();
    void slot_addv();
    void slot_adde();
    void slot_reme();
    void slot_complement();
    void slot_remv();
    void slot_set_add_k();
    void slot_set_add_bip();
    void slot_set_add_tail();
    void slot_relabel();
    void slot_select_all();
    void slot_unselect_all();
    void slot_invert_selection();

signals:
    void signal_best_graph_changed();
    void signal_interactive_graph_changed();
    void signal_start_vns();
    void signal_stop_vns();
    void signal_hilight_node(int k);
    void signal_place_graph();
    void signal_load_next();
    void signal_console(QString text, bool debug, int level, QColor colour);

protected:
    void timerEvent(QTimerEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;

private:
    struct FileContent;
    /// This view when it puts items on screen, else null: a graph without display has no
    /// scene item that the GUI thread must own.
    QObject *displayContext() { return m_display ? this : nullptr; }
    void bumpID(quint32 by) { m_id.fetch_add(by, std::memory_order_acq_rel); }
    void setExistsBelow(int n);
    void placeNewNode(int slot);
    /// Shows the items after the flags and the best cells; GUI thread, both mutexes held.
    void refreshItems();
    void repaintNodes();
    void applyBackground();
    /// Rewrites every pair of 0..n-1 from rows (bit j of rows[i]), one counter step per pair,
    /// and at least one when the vertex count changed.
    void writePairs(int n, const uint32_t *rows, bool countChanged);
    void applyGraphString(const BitGraph &g, bool reset, bool makeBest);

    /// Scene position of vertex slot i; the stored coordinates when there is no scene.
    QPointF nodePos(int i) const;
    /// Moves the item of slot i in the scene only (stored coordinates kept).
    void moveItemTo(int i, QPointF p);
    QPointF lastMouseScenePos() const;
    /// Text of the graph file from the best graph; the caller holds the best mutex.
    QByteArray graphFileText(bool withCounter) const;
    bool readGraphFile(const QString &fileName, bool withCounter, FileContent &out,
                       bool &opened) const;
    void applyGraphFile(const FileContent &f);
    void publish(bool redraw);
    void insertVertex(int mode);
    bool zoomWithin(double f);
    /// The vertex item held by the mouse when it is one of this graph's.
    Node *heldNode() const;
    /// Slot of the topmost visible vertex item under the scene point, -1 when none.
    int nodeAt(QPointF scenePoint) const;
    /// True when f was queued to the GUI thread: a displayed graph called from another thread.
    bool deferredToGui(std::function<void()> f);
    /// Calls set on the edge item of every pair j < i < nBest that is an edge of the current graph,
    /// with cell m[i][j] when show holds (pairs outside m are skipped), with null otherwise.
    void setEdgeValues(const QVector<QVector<double>> &m, bool show,
                       void (*set)(Edge *, const double *));
    /// Selected vertex items among slots 0..limit-1, as bits.
    uint32_t selectedSlots(int limit) const;

    QGraphicsScene *m_scene = nullptr;
    QVector<Node *> m_nodes;
    QVector<QVector<Edge *>> m_edges;
    // Cell [i][j] is bit j of row i.
    uint32_t m_current[32] = {};
    uint32_t m_best[32] = {};
    QString m_name;
    int m_addMode = 0;
    bool m_altHeld = false;
    bool m_controlHeld = false;
    int m_scalePos = 0;
    std::atomic<quint32> m_id{0};
    int m_bestCounter = 0;
    int m_refreshTimerId = 0;
    int m_refreshInterval = 200;
    int m_animTimerId = 0;
    int m_animInterval = 500;
    bool m_display;
    std::atomic<bool> m_violated{false};
    mutable std::mutex m_bestMutex;
    mutable std::mutex m_currentMutex;
    std::atomic<int> m_n{0};
    int m_nBest = 0;
    QPoint m_lastMousePos;
    QString m_wd;
    bool m_selecting = false;
    QPointF m_selectionOrigin;
    QGraphicsRectItem *m_selectionRect = nullptr;
    bool m_dragged = false;
    int m_lastClickedNode = 0;
    std::atomic<bool> m_displayQueued{false};
    std::atomic<bool> m_backgroundQueued{false};
};
