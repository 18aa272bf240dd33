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

/// A value whose rows, columns and entries the test sets.
class Fixed : public Invariant
{
public:
    Fixed(int r, int c, std::function<double(int, int)> f) : r_(r), c_(c), f_(f)
    {
        initItem(QStringLiteral("FIXED"), {}, {}, false, Report::Free, false);
    }
    QString formula() override { return QStringLiteral("FIXED(G)"); }
    void recompute() override
    {
        rows = r_;
        cols = c_;
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < cols; ++j)
                M[i][j] = f_(i, j);
    }
    int r_, c_;
    std::function<double(int, int)> f_;
};

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
    void arguments();
    void colors_data();
    void colors();
    void labels();
    void edgeShapes_data();
    void edgeShapes();
    void edgeHighlights();
};

void tst_infoNODE::arguments()
{
    Graph g(QStringLiteral("g"), false);
    infoNODE colors(QStringLiteral("Colors"), false);
    infoEDGE labels(QStringLiteral("E_Labels"), false);
    for (Calculus *info : {static_cast<Calculus *>(&colors), static_cast<Calculus *>(&labels)}) {
        info->setGraph(&g);
        QVERIFY(!info->setArg2(info));
        QVERIFY(!info->setLink3(nullptr));
        QVERIFY(!info->setLinkTo(nullptr));
        QCOMPARE(info->getType(), QStringLiteral("INFO"));
        info->compute(true);
        QVERIFY(info->getError());
        QCOMPARE(info->savedTooltip, QStringLiteral("Missing argument"));
    }
    QCOMPARE(colors.formula(), QStringLiteral("Colors"));
    Fixed arg(3, 1, [](int i, int) { return i; });
    arg.setGraph(&g);
    colors.setArg1(&arg);
    QCOMPARE(colors.formula(), QStringLiteral("Colors = FIXED(G)"));
}

void tst_infoNODE::colors_data()
{
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<QVector<int>>("colorSlots");
    // Colour indexes; the drawing takes them modulo its 16 colours.
    QTest::newRow("0 1 2 17") << QVector<double>{0, 1, 2, 17} << QVector<int>{0, 1, 2, 17};
    QTest::newRow("truncation") << QVector<double>{2.9, 15.99, -1.5, 0.5}
                                << QVector<int>{2, 15, -1, 0};
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
    Fixed *vector = new Fixed(4, 1, [entries](int i, int) { return entries[i]; });
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
    Fixed *vector = new Fixed(3, 1, [](int i, int) { return 1.0 / (i + 3); });
    Fixed *value = new Fixed(1, 1, [](int, int) { return 42.0; });
    board.addInvariantItemLoadMode(vector);
    board.addInvariantItemLoadMode(value);
    board.link1(vector, board.getLabels());
    board.best_backup();
    QCOMPARE(g.getNode(0)->getLabel(), QStringLiteral("0.333333"));
    QCOMPARE(g.getNode(2)->getLabel(), QStringLiteral("0.2"));
    // A single value labels vertex 0 only; the others keep their labels.
    board.link1(value, board.getLabels());
    board.best_backup();
    QCOMPARE(g.getNode(0)->getLabel(), QStringLiteral("42"));
    QCOMPARE(g.getNode(1)->getLabel(), QStringLiteral("0.25"));
    // A matrix is refused.
    Fixed *matrix = new Fixed(3, 3, [](int, int) { return 1.0; });
    board.addInvariantItemLoadMode(matrix);
    board.link1(matrix, board.getLabels());
    QVERIFY(board.getLabels()->getError());
    QCOMPARE(board.getLabels()->savedTooltip, QStringLiteral("Argument should be a vector"));
    board.best_backup();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(g.getNode(i)->getLabel(), QString());
}

void tst_infoNODE::edgeShapes_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<bool>("shown");
    QTest::newRow("6 x 6") << 6 << 6 << true;
    QTest::newRow("5 x 6") << 5 << 6 << false;
    QTest::newRow("6 x 1") << 6 << 1 << false;
}

void tst_infoNODE::edgeShapes()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(bool, shown);
    Graph g(QStringLiteral("g"), false);
    makeCycle(g, 6);
    Problem board(&g, QStringLiteral("b"), false);
    Fixed *m = new Fixed(rows, cols, [](int i, int j) { return 10 * i + j; });
    board.addInvariantItemLoadMode(m);
    board.link1(m, board.getELabels());
    QCOMPARE(board.getELabels()->getError(), !shown);
    if (!shown)
        QCOMPARE(board.getELabels()->savedTooltip,
                 QStringLiteral("Argument should be a matrix n x n"));
    board.best_backup();
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < i; ++j) {
            if (!g.edge(i, j))
                continue;
            QCOMPARE(g.getEdge(i, j)->getLabel(), shown ? QString::number(10 * i + j) : QString());
        }
}

void tst_infoNODE::edgeHighlights()
{
    Graph g(QStringLiteral("g"), false);
    makeCycle(g, 5);
    Problem board(&g, QStringLiteral("b"), false);
    // Entry [i][j] of edge {i, j}: 1 on {1,0}, 0.9999995 on {2,1}, 0.999999 on {3,2}.
    Fixed *m = new Fixed(5, 5, [](int i, int j) {
        if (i == 1 && j == 0)
            return 1.0;
        if (i == 2 && j == 1)
            return 0.9999995;
        if (i == 3 && j == 2)
            return 0.999999;
        return 0.0;
    });
    board.addInvariantItemLoadMode(m);
    board.link1(m, board.getEHilights());
    board.best_backup();
    QVERIFY(g.getEdge(1, 0)->isHilighted());
    QVERIFY(g.getEdge(2, 1)->isHilighted());
    QVERIFY(!g.getEdge(3, 2)->isHilighted());
    QVERIFY(!g.getEdge(4, 3)->isHilighted());
    QVERIFY(!g.getEdge(4, 0)->isHilighted());
    // A graph of another order makes the matrix the wrong shape: highlights go.
    g.addNode();
    g.best_backup();
    board.best_backup();
    QVERIFY(!g.getEdge(1, 0)->isHilighted());
}

QTEST_MAIN(tst_infoNODE)
#include "tst_infoNODE.moc"
