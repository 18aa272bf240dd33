#include "ItemProbes.h"

#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Node.h"
#include "items/infoEDGE.h"
#include "items/infoNODE.h"
#include "problem/Problem.h"

#include <QtTest>

#include <cmath>

namespace
{

void makeCycle(Graph &g, int n)
{
    g.clear();
    for (int i = 0; i < n; ++i)
        g.addNode();
    for (int i = 0; i < n; ++i)
        g.addEdge(i, (i + 1) % n);
}

} // namespace

class tst_infoNODE : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void colors_data();
    void colors();
    void labels();
    void edgeShapes_data();
    void edgeShapes();
    void edgeHighlights();
};

void tst_infoNODE::colors_data()
{
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<QVector<int>>("colorSlots");
    // Colour indexes; the drawing takes them modulo its 16 colours.
    QTest::newRow("truncation") << QVector<double>{2.9, 17, -1.5, 0.5} << QVector<int>{2, 17, -1, 0};
    QTest::newRow("NaN and huge") << QVector<double>{std::nan(""), 1e300, -1e300, 3}
                                  << QVector<int>{0, 0, 0, 3};
}

void tst_infoNODE::colors()
{
    QFETCH(QVector<double>, entries);
    QFETCH(QVector<int>, colorSlots);
    Graph g(QStringLiteral("g"), false);
    makeCycle(g, 4);
    Problem board(&g, QStringLiteral("b"), false);
    InvariantProbe *vector = fixedProbe(4, 1, [entries](int i, int) { return entries[i]; });
    board.addInvariantItemLoadMode(vector);
    board.link1(vector, board.getColors());
    board.best_backup();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(g.getNode(i)->getColor(), colorSlots[i]);
    // Without argument (and once the graph has moved) every vertex goes back to colour 0.
    board.link1(vector, board.getColors());
    g.changeBest();
    board.best_backup();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(g.getNode(i)->getColor(), 0);
}

void tst_infoNODE::labels()
{
    Graph g(QStringLiteral("g"), false);
    makeCycle(g, 3);
    Problem board(&g, QStringLiteral("b"), false);
    InvariantProbe *vector = fixedProbe(3, 1, [](int i, int) { return 1.0 / (i + 3); });
    InvariantProbe *value = fixedProbe(1, 1, [](int, int) { return 42.0; });
    InvariantProbe *matrix = fixedProbe(3, 3, [](int, int) { return 1.0; });
    for (InvariantProbe *f : {vector, value, matrix})
        board.addInvariantItemLoadMode(f);
    board.link1(vector, board.getLabels());
    board.best_backup();
    QCOMPARE(g.getNode(0)->getLabel(), QStringLiteral("0.333333"));
    // A single value labels vertex 0 only; the others keep their labels.
    board.link1(value, board.getLabels());
    board.best_backup();
    QCOMPARE(g.getNode(0)->getLabel(), QStringLiteral("42"));
    QCOMPARE(g.getNode(1)->getLabel(), QStringLiteral("0.25"));
    // A matrix is refused.
    board.link1(matrix, board.getLabels());
    QCOMPARE(board.getLabels()->savedTooltip, QStringLiteral("Argument should be a vector"));
    board.best_backup();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(g.getNode(i)->getLabel(), QString());
}

void tst_infoNODE::edgeShapes_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::newRow("6 x 6") << 6 << 6;
    QTest::newRow("5 x 6") << 5 << 6;
    QTest::newRow("6 x 1") << 6 << 1;
}

void tst_infoNODE::edgeShapes()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    const bool shown = rows == 6 && cols == 6;
    Graph g(QStringLiteral("g"), false);
    makeCycle(g, 6);
    Problem board(&g, QStringLiteral("b"), false);
    InvariantProbe *m = fixedProbe(rows, cols, [](int i, int j) { return 10 * i + j; });
    board.addInvariantItemLoadMode(m);
    board.link1(m, board.getELabels());
    if (!shown)
        QCOMPARE(board.getELabels()->savedTooltip,
                 QStringLiteral("Argument should be a matrix n x n"));
    board.best_backup();
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < i; ++j)
            if (g.edge(i, j))
                QCOMPARE(g.getEdge(i, j)->getLabel(),
                         shown ? QString::number(10 * i + j) : QString());
}

void tst_infoNODE::edgeHighlights()
{
    Graph g(QStringLiteral("g"), false);
    makeCycle(g, 5);
    Problem board(&g, QStringLiteral("b"), false);
    // Entry [i][j] of edge {i, j}: 1 on {1,0}, 0.9999995 on {2,1}, 0.999999 on {3,2}.
    InvariantProbe *m = fixedProbe(5, 5, [](int i, int j) {
        return i == 1 && j == 0 ? 1.0 : i == 2 && j == 1 ? 0.9999995 : i == 3 && j == 2 ? 0.999999 : 0.0;
    });
    board.addInvariantItemLoadMode(m);
    board.link1(m, board.getEHilights());
    board.best_backup();
    QVERIFY(g.getEdge(1, 0)->isHilighted());
    QVERIFY(g.getEdge(2, 1)->isHilighted());
    QVERIFY(!g.getEdge(3, 2)->isHilighted());
    QVERIFY(!g.getEdge(4, 0)->isHilighted());
    // A graph of another order makes the matrix the wrong shape: highlights go.
    g.addNode();
    g.best_backup();
    board.best_backup();
    QVERIFY(!g.getEdge(1, 0)->isHilighted());
}

QTEST_MAIN(tst_infoNODE)
#include "tst_infoNODE.moc"
