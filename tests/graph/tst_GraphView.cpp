#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Node.h"

#include "CommonTest.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <thread>

namespace
{

const double step = 6.2831853 / 128;

struct Adj {
    int n = 0;
    bool a[32][32] = {};
    void add(int i, int j) { a[i][j] = a[j][i] = true; }
    static Adj of(const Graph &g)
    {
        Adj r;
        r.n = g.getNbNodes();
        for (int i = 0; i < r.n; ++i)
            for (int j = 0; j < r.n; ++j)
                r.a[i][j] = g.edge(i, j);
        return r;
    }
    static Adj random(int n)
    {
        Adj r;
        r.n = n;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < i; ++j)
                if (qrand() % 2)
                    r.add(i, j);
        return r;
    }
    // Cells beyond n stay false in every Adj built here.
    bool operator==(const Adj &o) const { return n == o.n && !std::memcmp(a, o.a, sizeof a); }
};

// Shown, laid out on a fixed scene rectangle, so that view and scene points map stably.
void show(Graph &g)
{
    g.resize(800, 600);
    g.setSceneRect(-400, -300, 800, 600);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
}

void build(Graph &g, const Adj &adj, const QVector<QPointF> &pos = {})
{
    g.clear();
    for (int i = 0; i < adj.n; ++i)
        g.addNode();
    for (int i = 0; i < adj.n; ++i) {
        g.getNode(i)->setPosition(i < pos.size() ? pos[i]
                                                 : QPointF(-350 + 22 * i, 200 - 13 * (i % 7)));
        for (int j = 0; j < i; ++j)
            if (adj.a[i][j])
                g.addEdge(i, j);
    }
    for (int k = 0; k < 32; ++k)
        g.getNode(k)->setSelected(false);
    g.best_backup();
    g.update_display();
}

// The scene point the view sees for p (view coordinates are whole pixels).
QPointF seen(const Graph &g, QPointF p)
{
    return g.mapToScene(g.mapFromScene(p));
}

void mouse(Graph &g, QEvent::Type type, QPointF scenePoint, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint at = g.mapFromScene(scenePoint);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                      ? Qt::NoButton
                                      : Qt::MouseButtons(button);
    QMouseEvent e(type, at, g.viewport()->mapToGlobal(at),
                  type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &e);
}

void click(Graph &g, QPointF p)
{
    mouse(g, QEvent::MouseMove, p);
    mouse(g, QEvent::MouseButtonPress, p);
    mouse(g, QEvent::MouseButtonRelease, p);
}

void drag(Graph &g, QPointF from, QPointF to)
{
    mouse(g, QEvent::MouseMove, from);
    mouse(g, QEvent::MouseButtonPress, from);
    mouse(g, QEvent::MouseMove, (from + to) / 2);
    mouse(g, QEvent::MouseMove, to);
    mouse(g, QEvent::MouseButtonRelease, to);
}

void doubleClick(Graph &g, QPointF p)
{
    mouse(g, QEvent::MouseMove, p);
    mouse(g, QEvent::MouseButtonPress, p);
    mouse(g, QEvent::MouseButtonRelease, p);
    mouse(g, QEvent::MouseButtonDblClick, p);
    mouse(g, QEvent::MouseButtonRelease, p);
}

// Control is pressed, then the key, then both are released.
void controlKey(Graph &g, Qt::Key key)
{
    QTest::keyClick(&g, key, Qt::ControlModifier);
}

QVector<bool> selection(const Graph &g)
{
    QVector<bool> s;
    for (int k = 0; k < 32; ++k)
        s << g.getNode(k)->isSelected();
    return s;
}

// graph6 of a graph, from the published definition, for nauty's tools.
QByteArray graph6(const Adj &g)
{
    QByteArray out(1, char(63 + g.n));
    int value = 0, bits = 0;
    for (int j = 1; j < g.n; ++j)
        for (int i = 0; i < j; ++i) {
            value = (value << 1) | g.a[i][j];
            if (++bits == 6) {
                out += char(63 + value);
                value = bits = 0;
            }
        }
    if (bits)
        out += char(63 + (value << (6 - bits)));
    return out;
}

QList<QByteArray> canonical(const QList<QByteArray> &lines)
{
    QProcess p;
    p.start("nauty-labelg", {"-q"});
    if (!p.waitForStarted())
        return {};
    for (const QByteArray &l : lines)
        p.write(l + "\n");
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return p.readAllStandardOutput().split('\n');
}

} // namespace

class tst_GraphView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Node::initColors(); }
    void init() { qsrand(1234); }
    void labelsAndColours();
    void edgeValues();
    void valuesFromAnotherThread();
    void positions();
    void clickVersusDrag();
    void rubberBand();
    void insertionModes_data();
    void insertionModes();
    void removeSelected();
    void complementTwice();
    void edgeCommands();
    void fullGraphKeys();
    void zoomBounds();
    void arrowsRotate();
    void relabelKeepsTheGraph();
};

void tst_GraphView::labelsAndColours()
{
    Graph g("graph", true);
    for (int k = 0; k < 32; ++k) {
        g.getNode(k)->setColor(5);
        g.getNode(k)->setLabel("old");
    }
    const double nan = std::nan("");
    g.setColors({2.9, -0.5, 17, -3.7, nan, 1e300, -INFINITY, 2147483647.9});
    g.setLabels({0.5, 3, 1234567, -0.0001, 1e-5});
    const QVector<int> colours{2, 0, 17, -3, 0, 0, 0, 2147483647};
    const QStringList labels{"0.5", "3", "1.23457e+06", "-0.0001", "1e-05"};
    for (int k = 0; k < 32; ++k) {
        QCOMPARE(g.getNode(k)->getColor(), k < 8 ? colours[k] : 5);
        QCOMPARE(g.getNode(k)->getLabel(), k < 5 ? labels[k] : QString("old"));
    }
    g.setColors(QVector<double>(40, 9.0)); // entries beyond 32 are ignored
    QCOMPARE(g.getNode(31)->getColor(), 9);
    g.setColors({});
    g.setLabels({});
    for (int k = 0; k < 32; ++k)
        QVERIFY(g.getNode(k)->getColor() == 0 && g.getNode(k)->getLabel().isEmpty());
}

void tst_GraphView::edgeValues()
{
    Graph g("graph", true);
    Adj path;
    path.n = 5;
    for (int i = 0; i < 4; ++i)
        path.add(i, i + 1);
    build(g, path);
    // The current graph decides which pairs are edges: {0, 3} is one only there.
    g.addEdge(0, 3);
    g.remEdge(3, 4);
    for (int i = 0; i < 32; ++i)
        for (int j = 0; j < i; ++j) {
            g.getEdge(i, j)->setLabel("keep");
            g.getEdge(i, j)->setHilight(true);
        }
    QVector<QVector<double>> m(4, QVector<double>(4, 0));
    m[1][0] = 0.999999;
    m[2][1] = 1.0;
    m[3][2] = 2.5;
    m[3][0] = 1234567;
    m[0][1] = 42; // upper cells are not read
    g.setELabels(m, true);
    g.setEHilight(m, true);
    const QStringList labels{"0.999999", "1", "2.5", "1.23457e+06"};
    const QVector<QPair<int, int>> edges{{1, 0}, {2, 1}, {3, 2}, {3, 0}};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(g.getEdge(edges[k].first, edges[k].second)->getLabel(), labels[k]);
        QCOMPARE(g.getEdge(edges[k].first, edges[k].second)->isHilighted(), k > 0);
    }
    // Not a current edge, or outside the matrix: kept.
    const QVector<QPair<int, int>> others{{2, 0}, {4, 3}, {4, 2}, {9, 8}};
    for (auto p : others)
        QVERIFY(g.getEdge(p.first, p.second)->getLabel() == "keep" &&
                g.getEdge(p.first, p.second)->isHilighted());
    g.setELabels({}, false);
    g.setEHilight({}, false);
    for (auto p : edges)
        QVERIFY(g.getEdge(p.first, p.second)->getLabel().isEmpty() &&
                !g.getEdge(p.first, p.second)->isHilighted());
    for (auto p : others)
        QVERIFY(g.getEdge(p.first, p.second)->getLabel() == "keep" &&
                g.getEdge(p.first, p.second)->isHilighted());
}

void tst_GraphView::valuesFromAnotherThread()
{
    Graph g("graph", true);
    Adj p3;
    p3.n = 3;
    p3.add(0, 1);
    p3.add(1, 2);
    build(g, p3);
    std::thread worker([&] {
        g.setLabels({8, 9});
        g.setEHilight(QVector<QVector<double>>(3, QVector<double>(3, 1.0)), true);
    });
    worker.join();
    QTRY_COMPARE(g.getNode(1)->getLabel(), QString("9"));
    QTRY_VERIFY(g.getEdge(1, 0)->isHilighted());
    QVERIFY(!g.getEdge(2, 0)->isHilighted());
}

void tst_GraphView::positions()
{
    Graph g("graph", true);
    build(g, Adj::random(4));
    g.place_circle(200);
    const QPointF expected[4] = {{100, 0}, {0, 100}, {-100, 0}, {0, -100}};
    for (int i = 0; i < 4; ++i) {
        FUZZY_COMPARE(g.getNode(i)->pos().x(), expected[i].x(), 1e-6);
        FUZZY_COMPARE(g.getNode(i)->pos().y(), expected[i].y(), 1e-6);
    }
    // Centring: the centroid of the drawn vertices goes to the origin in all three coordinates.
    const double xyz[4][3] = {{10, 20, 30}, {-4, 8, 1}, {100, -50, -7}, {3, 3, 3}};
    for (int i = 0; i < 4; ++i)
        g.setPos(i, xyz[i][0], xyz[i][1], xyz[i][2]);
    g.center();
    const double mean[3] = {109 / 4.0, -19 / 4.0, 27 / 4.0};
    for (int i = 0; i < 4; ++i) {
        FUZZY_COMPARE(g.getNode(i)->pos().x(), xyz[i][0] - mean[0], 1e-9);
        FUZZY_COMPARE(g.getNode(i)->pos().y(), xyz[i][1] - mean[1], 1e-9);
        FUZZY_COMPARE(g.getNode(i)->getCoordZ(), xyz[i][2] - mean[2], 1e-9);
    }
}

void tst_GraphView::clickVersusDrag()
{
    Graph g("graph", true);
    show(g);
    const QVector<QPointF> pos{{-200, 0}, {0, 0}, {200, 0}, {0, 150}};
    build(g, Adj::random(4), pos);
    click(g, pos[2]);
    QVERIFY(g.getNode(2)->isSelected());
    QCOMPARE(g.getLastClickedNode(), 2);
    click(g, pos[2]);
    QVERIFY(!g.getNode(2)->isSelected());

    // An unselected vertex moves alone and stays unselected.
    const QPointF to = seen(g, QPointF(-100, -120));
    drag(g, pos[1], to);
    QCOMPARE(g.getNode(1)->pos(), to);
    QVERIFY(!g.getNode(1)->isSelected());
    QCOMPARE(g.getLastClickedNode(), 1);
    QCOMPARE(g.getNode(0)->pos(), pos[0]);

    // Selected vertices move together, the held one under the pointer.
    click(g, pos[0]);
    click(g, pos[3]);
    const QPointF start0 = g.getNode(0)->pos(), start3 = g.getNode(3)->pos();
    const QPointF to2 = seen(g, QPointF(-150, 80));
    drag(g, start3, to2);
    const QPointF d = to2 - start3;
    QCOMPARE(g.getNode(3)->pos(), to2);
    QCOMPARE(g.getNode(0)->pos(), start0 + d);
    QCOMPARE(g.getNode(2)->pos(), pos[2]);
    QVERIFY(g.getNode(0)->isSelected() && g.getNode(3)->isSelected());
    QCOMPARE(g.getNode(0)->getCoordZ(), 0.0);
}

void tst_GraphView::rubberBand()
{
    Graph g("graph", true);
    show(g);
    const QVector<QPointF> pos{{-300, -200}, {-250, -150}, {-200, -220},
                               {100, 100},   {250, 0},     {0, 250}};
    build(g, Adj::random(6), pos);
    click(g, pos[5]);
    drag(g, QPointF(-350, -260), QPointF(-170, -120));
    QCOMPARE(selection(g).mid(0, 6), (QVector<bool>{true, true, true, false, false, true}));
    for (int k = 0; k < 6; ++k)
        QCOMPARE(g.getNode(k)->pos(), pos[k]);
}

void tst_GraphView::insertionModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("edge13");
    QTest::newRow("clique, {1,3} an edge") << 0 << true;
    QTest::newRow("clique") << 0 << false;
    QTest::newRow("bipartite, {1,3} an edge") << 1 << true;
    QTest::newRow("bipartite") << 1 << false;
    QTest::newRow("tail, {1,3} an edge") << 2 << true;
    QTest::newRow("tail") << 2 << false;
}

void tst_GraphView::insertionModes()
{
    QFETCH(int, mode);
    QFETCH(bool, edge13);
    Graph g("graph", true);
    show(g);
    Adj before = Adj::random(5);
    before.a[1][3] = before.a[3][1] = edge13;
    const QVector<QPointF> pos{{-300, -200}, {-100, -200}, {100, -200}, {300, -200}, {0, -100}};
    build(g, before, pos);
    // Stale cells in the slots the new vertices take must not show up.
    for (int k = 5; k < 8; ++k)
        for (int j = 0; j < 8; ++j)
            g.toggleEdge(k, j);
    g.best_backup();
    if (mode == 0)
        g.slot_set_add_k();
    else if (mode == 1)
        g.slot_set_add_bip();
    else
        g.slot_set_add_tail();
    QCOMPARE(g.getAddMode(), mode);
    click(g, pos[1]);
    click(g, pos[3]);
    QSignalSpy published(&g, &Graph::signal_best_graph_changed);
    const QPointF places[3] = {{-200, 150}, {0, 200}, {200, 150}};
    for (const QPointF &p : places)
        doubleClick(g, p);
    QCOMPARE(published.count(), 3);

    Adj expected = before;
    expected.n = 8;
    for (int v = 5; v < 8; ++v) {
        if (mode != 2 || v == 5) {
            expected.add(1, v);
            expected.add(3, v);
        }
        if (mode == 0)
            for (int w = 5; w < v; ++w)
                expected.add(w, v);
        if (mode == 2 && v > 5)
            expected.add(v - 1, v);
    }
    QVERIFY(Adj::of(g) == expected);
    QCOMPARE(g.getNbBestNodes(), 8);
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j)
            QCOMPARE(g.bestEdge(i, j), expected.a[i][j]);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(g.getNode(5 + k)->pos(), seen(g, places[k]));
    const QVector<bool> s = selection(g);
    if (mode == 2)
        QCOMPARE(s.mid(0, 8),
                 (QVector<bool>{false, false, false, false, false, false, false, true}));
    else
        QCOMPARE(s.mid(0, 8),
                 (QVector<bool>{false, true, false, true, false, mode == 0, mode == 0, mode == 0}));
}

void tst_GraphView::removeSelected()
{
    Graph g("graph", true);
    show(g);
    const Adj before = Adj::random(7);
    build(g, before);
    Node *old[7];
    for (int k = 0; k < 7; ++k)
        old[k] = g.getNode(k);
    old[2]->setSelected(true);
    old[5]->setSelected(true);
    QSignalSpy published(&g, &Graph::signal_best_graph_changed);
    controlKey(g, Qt::Key_X);
    QCOMPARE(published.count(), 1);
    QCOMPARE(g.getNbNodes(), 5);
    QCOMPARE(g.getNbBestNodes(), 5);
    const int was[7] = {0, 1, 6, 3, 4, 2, 5};
    for (int k = 0; k < 7; ++k)
        QCOMPARE(g.getNode(k), old[was[k]]);
    for (int a = 0; a < 5; ++a)
        for (int b = 0; b < 5; ++b)
            if (a != b)
                QCOMPARE(g.edge(a, b), before.a[was[a]][was[b]]);
    for (int k = 5; k < 7; ++k) {
        QVERIFY(g.getNode(k)->isSelected());
        QVERIFY(!g.getNode(k)->isVisible());
    }
    // The drawing shows exactly the remaining edges, each between its two vertices.
    for (int i = 0; i < 32; ++i)
        for (int j = i + 1; j < 32; ++j) {
            const Edge *e = g.getEdge(i, j);
            QCOMPARE(e->isVisible(), i < 5 && j < 5 && g.edge(i, j));
            QVERIFY((e->from() == g.getNode(i) && e->to() == g.getNode(j)) ||
                    (e->from() == g.getNode(j) && e->to() == g.getNode(i)));
        }
}

void tst_GraphView::complementTwice()
{
    Graph g("graph", true);
    show(g);
    const Adj before = Adj::random(9);
    build(g, before);
    const QVector<int> chosen{0, 2, 3, 6, 8};
    for (int k : chosen)
        g.getNode(k)->setSelected(true);
    controlKey(g, Qt::Key_C);
    Adj once = before;
    for (int i : chosen)
        for (int j : chosen)
            if (i != j)
                once.a[i][j] = !before.a[i][j];
    QVERIFY(Adj::of(g) == once);
    controlKey(g, Qt::Key_C);
    QVERIFY(Adj::of(g) == before);
    QCOMPARE(g.graphData(), g.currentGraphData());
}

void tst_GraphView::edgeCommands()
{
    Graph g("graph", true);
    show(g);
    const Adj before = Adj::random(8);
    build(g, before);
    for (int k : {1, 4, 5})
        g.getNode(k)->setSelected(true);
    controlKey(g, Qt::Key_E);
    Adj expected = before;
    expected.add(1, 4);
    expected.add(1, 5);
    expected.add(4, 5);
    QVERIFY(Adj::of(g) == expected);
    QTest::keyClick(&g, Qt::Key_Backspace);
    for (int i : {1, 4, 5})
        for (int j : {1, 4, 5})
            expected.a[i][j] = false;
    QVERIFY(Adj::of(g) == expected);
    QCOMPARE(g.graphData(), g.currentGraphData());
    // A key acts on the graph on screen: an unpublished edit is dropped first.
    g.addEdge(0, 7);
    QTest::keyClick(&g, Qt::Key_Backspace);
    QCOMPARE(g.edge(0, 7), expected.a[0][7]);
}

void tst_GraphView::fullGraphKeys()
{
    Graph g("graph", true);
    show(g);
    build(g, Adj::random(32));
    const QString graph = g.graphData();
    QSignalSpy published(&g, &Graph::signal_best_graph_changed);
    QSignalSpy interactive(&g, &Graph::signal_interactive_graph_changed);
    controlKey(g, Qt::Key_V);
    QCOMPARE(g.getNbNodes(), 32);
    QCOMPARE(g.graphData(), graph);
    QCOMPARE(published.count(), 1);
    QCOMPARE(interactive.count(), 2); // the Control key itself, then V
    interactive.clear();
    controlKey(g, Qt::Key_R);
    QCOMPARE(interactive.count(), 3);
    QTest::keyClick(&g, Qt::Key_K); // no insertion at 32 vertices
    QCOMPARE(g.graphData(), graph);
    QSignalSpy start(&g, &Graph::signal_start_vns), stop(&g, &Graph::signal_stop_vns);
    QSignalSpy next(&g, &Graph::signal_load_next), place(&g, &Graph::signal_place_graph);
    for (Qt::Key k : {Qt::Key_R, Qt::Key_H, Qt::Key_Space, Qt::Key_M})
        QTest::keyClick(&g, k);
    QCOMPARE(start.count(), 1);
    QCOMPARE(stop.count(), 1);
    QCOMPARE(next.count(), 1);
    QCOMPARE(place.count(), 1);
}

void tst_GraphView::zoomBounds()
{
    Graph g("graph", true);
    show(g);
    auto wheel = [&](int delta) {
        const QPoint at(100, 100);
        QWheelEvent e(at, g.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(g.viewport(), &e);
    };
    auto width = [&] { return g.transform().mapRect(QRectF(0, 0, 1, 1)).width(); };
    // A notch away from the user zooms out by 1/sqrt(2).
    wheel(120);
    FUZZY_COMPARE(width(), std::pow(2.0, -0.5), 1e-12);
    for (int k = 0; k < 40; ++k) {
        wheel(120);
        QVERIFY(width() >= 0.07);
    }
    QVERIFY(width() * std::pow(2.0, -0.5) < 0.07); // the next step would cross: refused whole
    for (int k = 0; k < 60; ++k) {
        wheel(-120);
        QVERIFY(width() <= 100);
    }
    QVERIFY(width() * std::sqrt(2.0) > 100);
    g.resetTransform();
    g.scaleView(100); // both limits are allowed
    QCOMPARE(width(), 100.0);
    g.scaleView(1.000001);
    QCOMPARE(width(), 100.0);
    g.resetTransform();
    g.scaleView(0.07);
    QCOMPARE(width(), 0.07);
    g.scaleView(0.999999);
    QCOMPARE(width(), 0.07);
}

void tst_GraphView::arrowsRotate()
{
    Graph g("graph", true);
    show(g);
    const QVector<QPointF> pos{{-100, 0}, {50, 30}, {50, -30}}; // centred already
    build(g, Adj::random(3), pos);
    const double c = std::cos(step), s = std::sin(step);
    QTest::keyClick(&g, Qt::Key_Right); // about the y axis
    for (int i = 0; i < 3; ++i) {
        FUZZY_COMPARE(g.getNode(i)->pos().x(), pos[i].x() * c, 1e-9);
        FUZZY_COMPARE(g.getNode(i)->pos().y(), pos[i].y(), 1e-9);
        FUZZY_COMPARE(g.getNode(i)->getCoordZ(), -pos[i].x() * s, 1e-9);
    }
    build(g, Adj::random(3), pos);
    QTest::keyPress(&g, Qt::Key_Alt);
    QTest::keyClick(&g, Qt::Key_Right, Qt::AltModifier); // about the z axis
    QTest::keyRelease(&g, Qt::Key_Alt);
    for (int i = 0; i < 3; ++i) {
        FUZZY_COMPARE(g.getNode(i)->pos().x(), pos[i].x() * c - pos[i].y() * s, 1e-9);
        FUZZY_COMPARE(g.getNode(i)->pos().y(), pos[i].x() * s + pos[i].y() * c, 1e-9);
    }
}

void tst_GraphView::relabelKeepsTheGraph()
{
    if (QStandardPaths::findExecutable("nauty-labelg").isEmpty())
        QSKIP("nauty-labelg is not installed");
    Graph g("graph", false);
    g.clear();
    g.addNode();
    const int id = g.getID();
    g.relabel();
    QCOMPARE(g.getNbNodes(), 1);
    QCOMPARE(g.getID(), id);
    QList<QByteArray> lines;
    int moved = 0;
    for (int n = 2; n <= 32; n += 3) {
        const Adj before = Adj::random(n);
        build(g, before);
        g.relabel();
        const Adj after = Adj::of(g);
        moved += !(after == before);
        lines << graph6(before) << graph6(after);
    }
    const QList<QByteArray> canon = canonical(lines);
    QVERIFY(canon.size() >= lines.size());
    for (int k = 0; k < lines.size(); k += 2)
        QCOMPARE(canon[k], canon[k + 1]);
    QVERIFY(moved >= 8);
    QSignalSpy interactive(&g, &Graph::signal_interactive_graph_changed);
    const int before = g.getID();
    g.slot_relabel();
    QCOMPARE(g.getID(), before + 1);
    QCOMPARE(interactive.count(), 1);
}

QTEST_MAIN(tst_GraphView)
#include "tst_GraphView.moc"
