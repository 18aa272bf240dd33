#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Node.h"

#include "CommonTest.h"
#include "GraphFixtures.h"

#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QVector3D>
#include <QtTest>
#include <cmath>
#include <thread>

namespace
{

// graph6 of the current graph, to compare adjacencies whole.
QByteArray cells(const Graph &g)
{
    BitGraph b;
    g.snapshot(b);
    return toGraph6(b);
}

// Shown, laid out on a fixed scene rectangle, so that view and scene points map stably.
void show(Graph &g)
{
    g.resize(800, 600);
    g.setSceneRect(-400, -300, 800, 600);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
}

void build(Graph &g, const BitGraph &b, const QVector<QPointF> &pos = {})
{
    QVERIFY(g.loadCurrentGraph(toGraphString(b)));
    for (int i = 0; i < 32; ++i) {
        g.getNode(i)->setPosition(i < pos.size() ? pos[i]
                                                 : QPointF(-350 + 22 * i, 200 - 13 * (i % 7)));
        g.getNode(i)->setSelected(false);
    }
    g.best_backup();
    g.update_display();
}

// The scene point the view sees for p (view coordinates are whole pixels).
QPointF seen(const Graph &g, QPointF p)
{
    return g.mapToScene(g.mapFromScene(p));
}

void mouse(Graph &g, QEvent::Type type, QPointF scenePoint)
{
    const QPoint at = g.mapFromScene(scenePoint);
    const bool held = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    QMouseEvent e(type, at, g.viewport()->mapToGlobal(at),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &e);
}

// A press at `from`, moves through the middle to `to`, a release there; a click when they agree.
void drag(Graph &g, QPointF from, QPointF to, bool doubleClick = false)
{
    mouse(g, QEvent::MouseMove, from);
    mouse(g, QEvent::MouseButtonPress, from);
    if (from != to) {
        mouse(g, QEvent::MouseMove, (from + to) / 2);
        mouse(g, QEvent::MouseMove, to);
    }
    mouse(g, QEvent::MouseButtonRelease, to);
    if (doubleClick) {
        mouse(g, QEvent::MouseButtonDblClick, to);
        mouse(g, QEvent::MouseButtonRelease, to);
    }
}

void click(Graph &g, QPointF p)
{
    drag(g, p, p);
}

QVector<bool> selection(const Graph &g, int n)
{
    QVector<bool> s;
    for (int k = 0; k < n; ++k)
        s << g.getNode(k)->isSelected();
    return s;
}

} // namespace

class tst_GraphView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Node::initColors(); }
    void init() { qsrand(1234); }
    void colourTable();
    void drawnGraphShowsVerticesAndEdges();
    void labelsAndColours();
    void edgeValues();
    void positions();
    void clickVersusDrag();
    void insertionModes_data();
    void insertionModes();
    void removeSelected();
    void edgeCommandsAndComplementTwice();
    void zoomBounds();
    void relabelKeepsTheGraph();
};

void tst_GraphView::colourTable()
{
    QString names;
    for (const QColor &c : Node::NodeColor)
        names += c.name() + " ";
    QCOMPARE(names, QString("#ffff00 #00ffff #ff0000 #00ff00 #a0a0a4 #ff00ff #ffffff #c0c0c0 "
                            "#0000ff #000080 #008080 #808080 #008000 #800080 #800000 #808000 "));
    QCOMPARE(Node::NbNodeColors, 16);
    // Any index lands in the table, negative ones and the extremes of int included.
    const int cases[][2] = {{8, 8},    {17, 1},      {-1, 15},     {-16, 0},
                            {-17, 15}, {INT_MIN, 0}, {INT_MAX, 15}};
    for (const auto &c : cases)
        QCOMPARE(Node::colorSlot(c[0]), c[1]);
}

void tst_GraphView::drawnGraphShowsVerticesAndEdges()
{
    Graph g("graph", true);
    g.loadmvx("3 100", false); // single edge {0, 1}, vertex 2 alone
    for (int k = 0; k < 3; ++k)
        g.getNode(k)->setPosition(k == 2 ? 0 : 200 * k - 100, k == 2 ? 100 : 0);
    g.getNode(1)->setColor(8);
    g.update_display();
    QImage image(400, 400, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    g.scene()->render(&painter, QRectF(0, 0, 400, 400), QRectF(-200, -200, 400, 400));
    painter.end();
    auto near = [&image](int x, int y, QColor e) {
        const QColor c = image.pixelColor(x, y);
        return qAbs(c.red() - e.red()) < 40 && qAbs(c.green() - e.green()) < 40 &&
               qAbs(c.blue() - e.blue()) < 40;
    };
    // The edge is black half way, vertex 0 yellow, vertex 1 blue; nothing joins vertex 2.
    QVERIFY(near(200, 200, Qt::black));
    QVERIFY(near(92, 192, Qt::yellow));
    QVERIFY(near(292, 192, Qt::blue));
    QVERIFY(near(150, 250, Qt::white));
    QVERIFY(near(192, 292, Qt::yellow));
    QVERIFY(!g.getNode(3)->isVisible());
}

void tst_GraphView::labelsAndColours()
{
    Graph g("graph", true);
    for (int k = 0; k < 32; ++k) {
        g.getNode(k)->setColor(5);
        g.getNode(k)->setLabel("old");
    }
    g.setColors({2.9, -0.5, 17, -3.7, std::nan(""), 1e300, -INFINITY, 2147483647.9});
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
    build(g, pathGraph(5));
    // The current graph decides which pairs are edges: {0, 3} is one only there.
    g.addEdge(0, 3);
    g.remEdge(3, 4);
    for (int i = 0; i < 32; ++i)
        for (int j = 0; j < i; ++j) {
            g.getEdge(i, j)->setLabel("keep");
            g.getEdge(i, j)->setHilight(true);
        }
    // The upper cell 42 is not read.
    const QVector<QVector<double>> m{
        {0, 42, 0, 0}, {0.999999, 0, 0, 0}, {0, 1, 0, 0}, {1234567, 0, 2.5, 0}};
    // From another thread the items change once the GUI thread gets to it.
    std::thread([&] {
        g.setLabels({8, 9});
        g.setELabels(m, true);
        g.setEHilight(m, true);
    }).join();
    // Set where the current graph has an edge inside the matrix, kept elsewhere.
    const QStringList labels{"0.999999", "1", "2.5", "1.23457e+06", "keep", "keep", "keep"};
    const QVector<QPair<int, int>> pairs{{1, 0}, {2, 1}, {3, 2}, {3, 0}, {2, 0}, {4, 3}, {9, 8}};
    QTRY_COMPARE(g.getEdge(3, 0)->getLabel(), labels[3]);
    QCOMPARE(g.getNode(1)->getLabel(), QString("9"));
    for (int k = 0; k < pairs.size(); ++k) {
        QCOMPARE(g.getEdge(pairs[k].first, pairs[k].second)->getLabel(), labels[k]);
        QCOMPARE(g.getEdge(pairs[k].first, pairs[k].second)->isHilighted(), k > 0);
    }
    g.setELabels({}, false);
    g.setEHilight({}, false);
    for (int k = 0; k < pairs.size(); ++k)
        QCOMPARE(g.getEdge(pairs[k].first, pairs[k].second)->getLabel(), k < 4 ? "" : labels[k]);
}

void tst_GraphView::positions()
{
    Graph g("graph", true);
    build(g, randomBitGraph(4));
    g.place_circle(200);
    const QPointF expected[4] = {{100, 0}, {0, 100}, {-100, 0}, {0, -100}};
    for (int i = 0; i < 4; ++i)
        QVERIFY((g.getNode(i)->pos() - expected[i]).manhattanLength() < 1e-6);
    // Centring: the centroid of the drawn vertices goes to the origin in all three coordinates.
    const double xyz[4][3] = {{10, 20, 30}, {-4, 8, 1}, {100, -50, -7}, {3, 3, 3}};
    for (int i = 0; i < 4; ++i)
        g.setPos(i, xyz[i][0], xyz[i][1], xyz[i][2]);
    g.center();
    for (int i = 0; i < 4; ++i)
        QVERIFY(QVector3D(g.getNode(i)->pos().x() - xyz[i][0], g.getNode(i)->pos().y() - xyz[i][1],
                          g.getNode(i)->getCoordZ() - xyz[i][2])
                    .distanceToPoint(QVector3D(-109 / 4.0, 19 / 4.0, -27 / 4.0)) < 1e-4);
}

void tst_GraphView::clickVersusDrag()
{
    Graph g("graph", true);
    show(g);
    const QVector<QPointF> pos{{-200, 0}, {0, 0}, {200, 0}, {0, 150}, {-300, -200}, {-250, -150}};
    build(g, randomBitGraph(6), pos);
    click(g, pos[2]);
    QVERIFY(g.getNode(2)->isSelected());
    QCOMPARE(g.getLastClickedNode(), 2);
    click(g, pos[2]);
    QVERIFY(!g.getNode(2)->isSelected());
    // An unselected vertex moves alone and stays unselected.
    const QPointF to = seen(g, QPointF(-100, -120));
    drag(g, pos[1], to);
    QVERIFY(g.getNode(1)->pos() == to && !g.getNode(1)->isSelected() &&
            g.getNode(0)->pos() == pos[0]);
    QCOMPARE(g.getLastClickedNode(), 1);
    // Selected vertices move together, the held one under the pointer.
    click(g, pos[0]);
    click(g, pos[3]);
    const QPointF to2 = seen(g, QPointF(-150, 80));
    drag(g, pos[3], to2);
    QVERIFY(g.getNode(3)->pos() == to2 && g.getNode(0)->pos() == pos[0] + to2 - pos[3]);
    QCOMPARE(selection(g, 6), (QVector<bool>{true, false, false, true, false, false}));
    // A drag on empty ground selects the vertices inside its rectangle, moving none.
    drag(g, QPointF(-350, -260), QPointF(-170, -120));
    QCOMPARE(selection(g, 6), (QVector<bool>{true, false, false, true, true, true}));
    QCOMPARE(g.getNode(4)->pos(), pos[4]);
}

void tst_GraphView::insertionModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("edge13");
    for (int mode = 0; mode < 3; ++mode)
        for (bool edge : {true, false})
            QTest::newRow(
                qPrintable(QString("mode %1%2").arg(mode).arg(edge ? ", {1,3} an edge" : "")))
                << mode << edge;
}

void tst_GraphView::insertionModes()
{
    QFETCH(int, mode);
    QFETCH(bool, edge13);
    Graph g("graph", true);
    show(g);
    BitGraph expected = randomBitGraph(5);
    edge13 ? expected.addEdge(1, 3) : expected.removeEdge(1, 3);
    const QVector<QPointF> pos{{-300, -200}, {-100, -200}, {100, -200}, {300, -200}, {0, -100}};
    build(g, expected, pos);
    // Stale cells in the slots the new vertices take must not show up.
    for (int k = 5; k < 8; ++k)
        for (int j = 0; j < 8; ++j)
            g.toggleEdge(k, j);
    g.best_backup();
    mode == 0 ? g.slot_set_add_k() : mode == 1 ? g.slot_set_add_bip() : g.slot_set_add_tail();
    click(g, pos[1]);
    click(g, pos[3]);
    QSignalSpy published(&g, &Graph::signal_best_graph_changed);
    const QPointF places[3] = {{-200, 150}, {0, 200}, {200, 150}};
    for (const QPointF &p : places)
        drag(g, p, p, true);
    QCOMPARE(published.count(), 3);
    // Clique: joined to the selection and to each other; bipartite: to the selection only;
    // tail: the first to the selection, each next one to the one before.
    expected.n = 8;
    for (int v = 5; v < 8; ++v) {
        if (mode != 2 || v == 5) {
            expected.addEdge(1, v);
            expected.addEdge(3, v);
        }
        for (int w = 5; w < v; ++w)
            if (mode == 0 || (mode == 2 && w == v - 1))
                expected.addEdge(w, v);
    }
    QCOMPARE(cells(g), toGraph6(expected));
    QCOMPARE(g.graphData(), g.currentGraphData());
    for (int k = 0; k < 3; ++k)
        QCOMPARE(g.getNode(5 + k)->pos(), seen(g, places[k]));
    const bool clique = mode == 0, tail = mode == 2;
    QCOMPARE(selection(g, 8),
             (QVector<bool>{false, !tail, false, !tail, false, clique, clique, clique || tail}));
}

void tst_GraphView::removeSelected()
{
    Graph g("graph", true);
    show(g);
    const BitGraph before = randomBitGraph(7);
    build(g, before);
    Node *old[7];
    for (int k = 0; k < 7; ++k)
        old[k] = g.getNode(k);
    old[2]->setSelected(true);
    old[5]->setSelected(true);
    QSignalSpy published(&g, &Graph::signal_best_graph_changed);
    QTest::keyClick(&g, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(published.count(), 1);
    QCOMPARE(g.getNbBestNodes(), 5);
    // Each removed vertex takes the last one's place, its item following.
    const QVector<int> was{0, 1, 6, 3, 4, 2, 5};
    for (int k = 0; k < 7; ++k)
        QCOMPARE(g.getNode(k), old[was[k]]);
    BitGraph expected = relabelled(before, {0, 1, 5, 3, 4, 6, 2});
    expected.n = 5;
    QCOMPARE(cells(g), toGraph6(expected));
    // The drawing shows exactly the remaining edges.
    for (int i = 0; i < 32; ++i) {
        QCOMPARE(g.getNode(i)->isVisible(), i < 5);
        for (int j = 0; j < i; ++j)
            QCOMPARE(g.getEdge(i, j)->isVisible(), i < 5 && g.edge(i, j));
    }
}

void tst_GraphView::edgeCommandsAndComplementTwice()
{
    Graph g("graph", true);
    show(g);
    const BitGraph expected = randomBitGraph(9);
    build(g, expected);
    const QVector<int> chosen{0, 2, 3, 6, 8};
    for (int k : chosen)
        g.getNode(k)->setSelected(true);
    // Within the selection: Control-C complements (twice restores), Control-E joins, Backspace
    // separates.
    auto within = [&](BitGraph b, int how) {
        for (int i : chosen)
            for (int j : chosen)
                if (i < j)
                    how == 1 || (how == 0 && !b.edge(i, j)) ? b.addEdge(i, j) : b.removeEdge(i, j);
        return toGraph6(b);
    };
    QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(cells(g), within(expected, 0));
    QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(cells(g), toGraph6(expected));
    QTest::keyClick(&g, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(cells(g), within(expected, 1));
    QTest::keyClick(&g, Qt::Key_Backspace);
    QCOMPARE(cells(g), within(expected, 2));
    QCOMPARE(g.graphData(), g.currentGraphData());
    // A key acts on the graph on screen: an unpublished edit is dropped first.
    g.addEdge(0, 7);
    QTest::keyClick(&g, Qt::Key_Backspace);
    QCOMPARE(g.edge(0, 7), expected.edge(0, 7));
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
    // A notch away from the user zooms out by 1/sqrt(2); a step that would cross a bound is
    // refused whole.
    wheel(120);
    FUZZY_COMPARE(width(), std::pow(2.0, -0.5), 1e-12);
    for (int k = 0; k < 40; ++k)
        wheel(120);
    QVERIFY(width() >= 0.07 && width() * std::pow(2.0, -0.5) < 0.07);
    for (int k = 0; k < 60; ++k)
        wheel(-120);
    QVERIFY(width() <= 100 && width() * std::sqrt(2.0) > 100);
    for (double f : {100.0, 0.07}) { // both limits are allowed
        g.resetTransform();
        g.scaleView(f);
        g.scaleView(f > 1 ? 1.000001 : 0.999999);
        QCOMPARE(width(), f);
    }
}

void tst_GraphView::relabelKeepsTheGraph()
{
    if (QStandardPaths::findExecutable("nauty-labelg").isEmpty())
        QSKIP("nauty-labelg is not installed");
    Graph g("graph", false);
    QList<BitGraph> graphs;
    int moved = 0;
    for (int n = 1; n <= 32; n += 3) {
        const BitGraph before = randomBitGraph(n);
        build(g, before);
        g.relabel();
        BitGraph after;
        g.snapshot(after);
        moved += toGraph6(after) != toGraph6(before);
        graphs << before << after;
    }
    const QList<QByteArray> canon = canonicalForms(graphs);
    QCOMPARE(canon.size(), graphs.size());
    for (int k = 0; k < graphs.size(); k += 2)
        QCOMPARE(canon[k], canon[k + 1]);
    QVERIFY(moved >= 8);
}

QTEST_MAIN(tst_GraphView)
#include "tst_GraphView.moc"
