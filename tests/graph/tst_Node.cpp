#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Node.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>

namespace {

// Two displayed vertices joined by an edge, all owned by the scene.
Edge *joinedPair(QGraphicsScene &scene, Node *&a, Node *&b)
{
    a = new Node(0, 0, 10, 10, "A", true);
    b = new Node(0, 0, 10, 10, "B", true);
    Edge *e = new Edge(a, b);
    scene.addItem(a);
    scene.addItem(b);
    scene.addItem(e);
    a->addENeighbor(e);
    b->addENeighbor(e);
    return e;
}

} // namespace

class tst_Node : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void colourTable();
    void colourIndexStaysInTable_data();
    void colourIndexStaysInTable();
    void hiddenEndHidesEdge();
    void closeVerticesCollapseEdge();
    void positions();
    void drawnGraphShowsVerticesAndEdges();
};

void tst_Node::initTestCase()
{
    Node::initColors();
}

void tst_Node::colourTable()
{
    const QStringList expected = {"#ffff00", "#00ffff", "#ff0000", "#00ff00", "#a0a0a4", "#ff00ff",
                                  "#ffffff", "#c0c0c0", "#0000ff", "#000080", "#008080", "#808080",
                                  "#008000", "#800080", "#800000", "#808000"};
    QCOMPARE(Node::NbNodeColors, 16);
    QCOMPARE(Node::NodeColor.size(), 16);
    for (int k = 0; k < 16; ++k)
        QCOMPARE(Node::NodeColor[k].name(), expected[k]);
}

void tst_Node::colourIndexStaysInTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("slot");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("seventeen") << 17 << 1;
    QTest::newRow("eight") << 8 << 8;
    QTest::newRow("minus one") << -1 << 15;
    QTest::newRow("minus sixteen") << -16 << 0;
    QTest::newRow("int min") << INT_MIN << 0;
}

void tst_Node::colourIndexStaysInTable()
{
    QFETCH(int, index);
    QFETCH(int, slot);
    QCOMPARE(Node::colorSlot(index), slot);
}

void tst_Node::hiddenEndHidesEdge()
{
    QGraphicsScene scene;
    Node *a, *b;
    Edge *e = joinedPair(scene, a, b);
    a->setPosition(0, 0);
    b->setPosition(100, 0);
    e->resetVisible(true);
    QVERIFY(e->isShown() && e->isVisible());
    b->setVisibleFlag(false);
    e->resetVisible(true);
    QVERIFY(!e->isShown());
    QVERIFY(!e->isVisible());
}

void tst_Node::closeVerticesCollapseEdge()
{
    QGraphicsScene scene;
    Node *a, *b;
    Edge *e = joinedPair(scene, a, b);
    e->resetVisible(true);
    a->setPosition(10, 20);
    b->setPosition(50, 50);
    QCOMPARE(e->mapToScene(e->lineStart()), QPointF(10, 20));
    QCOMPARE(e->mapToScene(e->lineEnd()), QPointF(50, 50));
    QCOMPARE(e->length(), 50.0);
    b->setPosition(13, 24); // exactly 5 away
    QCOMPARE(e->mapToScene(e->lineStart()), QPointF(10, 20));
    QCOMPARE(e->mapToScene(e->lineEnd()), QPointF(10, 20));
    QCOMPARE(e->length(), 0.0);
}

void tst_Node::positions()
{
    Node n(0, 0, 10, 10, "N", true);
    n.setPosition(3, 4, 7);
    QCOMPARE(n.zValue(), 7.0);
    n.setPosition(5, 6);
    QCOMPARE(n.getCoordZ(), 0.0);
    QCOMPARE(n.zValue(), 7.0);
    n.move(10, 10);
    QCOMPARE(n.pos(), QPointF(15, 16));
    QCOMPARE(n.getCoordX(), 5.0);
    QCOMPARE(n.getCoordY(), 6.0);
    // Without display only the stored coordinates move.
    Node hidden(0, 0, 10, 10, "H", false);
    hidden.setPosition(8, 9, 1);
    QCOMPARE(hidden.getCoordX(), 8.0);
    QCOMPARE(hidden.pos(), QPointF(0, 0));
}

void tst_Node::drawnGraphShowsVerticesAndEdges()
{
    Graph g("graph", true);
    g.loadmvx("3 100", false); // single edge {0, 1}, vertex 2 alone
    g.getNode(0)->setPosition(-100, 0);
    g.getNode(1)->setPosition(100, 0);
    g.getNode(2)->setPosition(0, 100);
    g.getNode(1)->setColor(8);
    g.update_display();
    QImage image(400, 400, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    g.scene()->render(&painter, QRectF(0, 0, 400, 400), QRectF(-200, -200, 400, 400));
    painter.end();
    auto near = [](QColor c, QColor e) {
        return std::abs(c.red() - e.red()) < 40 && std::abs(c.green() - e.green()) < 40
               && std::abs(c.blue() - e.blue()) < 40;
    };
    // The edge is black half way between its ends, vertex 0 is yellow, vertex 1 blue.
    QVERIFY(near(image.pixelColor(200, 200), Qt::black));
    QVERIFY(near(image.pixelColor(200 - 100 - 8, 200 - 8), Qt::yellow));
    QVERIFY(near(image.pixelColor(200 + 100 - 8, 200 - 8), Qt::blue));
    // No edge between vertex 2 and the others, no vertex 3.
    QVERIFY(near(image.pixelColor(150, 250), Qt::white));
    QVERIFY(g.getNode(2)->isVisible());
    QVERIFY(!g.getNode(3)->isVisible());
}

#include "tst_Node.moc"
QTEST_MAIN(tst_Node)
