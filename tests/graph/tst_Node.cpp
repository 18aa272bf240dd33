#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Node.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

class tst_Node : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Node::initColors(); }
    void colourTable();
    void drawnGraphShowsVerticesAndEdges();
};

void tst_Node::colourTable()
{
    const QStringList expected = {"#ffff00", "#00ffff", "#ff0000", "#00ff00", "#a0a0a4", "#ff00ff",
                                  "#ffffff", "#c0c0c0", "#0000ff", "#000080", "#008080", "#808080",
                                  "#008000", "#800080", "#800000", "#808000"};
    QCOMPARE(Node::NbNodeColors, 16);
    QCOMPARE(Node::NodeColor.size(), 16);
    for (int k = 0; k < 16; ++k)
        QCOMPARE(Node::NodeColor[k].name(), expected[k]);
    // Any index lands in the table, negative ones and the extremes of int included.
    const int cases[][2] = {{8, 8},    {17, 1},      {-1, 15},     {-16, 0},
                            {-17, 15}, {INT_MIN, 0}, {INT_MAX, 15}};
    for (const auto &c : cases)
        QCOMPARE(Node::colorSlot(c[0]), c[1]);
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

#include "tst_Node.moc"
QTEST_MAIN(tst_Node)
