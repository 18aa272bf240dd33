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

/// A board over the cycle of n vertices.
struct Cycle {
    Graph g{"g", false};
    Problem board{&g, "b", false};
    explicit Cycle(int n)
    {
        g.clear();
        for (int i = 0; i < n; ++i)
            g.addNode();
        for (int i = 0; i < n; ++i)
            g.addEdge(i, (i + 1) % n);
    }
    /// Links a probe of the given shape and entries to `target`, then publishes.
    InvariantProbe *show(Calculus *target, int rows, int cols, std::function<double(int, int)> f)
    {
        InvariantProbe *p = fixedProbe(rows, cols, std::move(f));
        board.addInvariantItemLoadMode(p);
        board.link1(p, target);
        board.best_backup();
        return p;
    }
};

} // namespace

class tst_infoNODE : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void colors();
    void labels();
    void edgeLabels();
    void edgeHighlights();
};

void tst_infoNODE::colors()
{
    // Colour indexes truncated; the drawing takes them modulo its 16 colours; what is not a
    // number or out of int range is 0.
    Cycle c(8);
    const QVector<double> entries{2.9, 17, -1.5, 0.5, std::nan(""), 1e300, -1e300, 3};
    InvariantProbe *p = c.show(c.board.getColors(), 8, 1, [=](int i, int) { return entries[i]; });
    QVector<int> colours, zeros(8, 0);
    for (int i = 0; i < 8; ++i)
        colours << c.g.getNode(i)->getColor();
    QCOMPARE(colours, (QVector<int>{2, 17, -1, 0, 0, 0, 0, 3}));
    // Without argument (and once the graph has moved) every vertex goes back to colour 0.
    c.board.link1(p, c.board.getColors());
    c.g.changeBest();
    c.board.best_backup();
    colours.clear();
    for (int i = 0; i < 8; ++i)
        colours << c.g.getNode(i)->getColor();
    QCOMPARE(colours, zeros);
}

void tst_infoNODE::labels()
{
    Cycle c(3);
    Calculus *labels = c.board.getLabels();
    c.show(labels, 3, 1, [](int i, int) { return 1.0 / (i + 3); });
    QCOMPARE(c.g.getNode(0)->getLabel(), QStringLiteral("0.333333"));
    // A single value labels vertex 0 only; the others keep their labels.
    c.show(labels, 1, 1, [](int, int) { return 42.0; });
    QCOMPARE(c.g.getNode(0)->getLabel() + " " + c.g.getNode(1)->getLabel(), QString("42 0.25"));
    // A matrix is refused, and the labels go.
    c.show(labels, 3, 3, [](int, int) { return 1.0; });
    QCOMPARE(labels->savedTooltip, QStringLiteral("Argument should be a vector"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(c.g.getNode(i)->getLabel(), QString());
}

void tst_infoNODE::edgeLabels()
{
    for (int rows : {6, 5}) {
        for (int cols : {6, 1}) {
            const bool shown = rows == 6 && cols == 6;
            Cycle c(6);
            c.show(c.board.getELabels(), rows, cols, [](int i, int j) { return 10 * i + j; });
            if (!shown)
                QCOMPARE(c.board.getELabels()->savedTooltip,
                         QStringLiteral("Argument should be a matrix n x n"));
            for (int i = 1; i < 6; ++i)
                QCOMPARE(c.g.getEdge(i, i - 1)->getLabel(),
                         shown ? QString::number(11 * i - 1) : QString());
        }
    }
}

void tst_infoNODE::edgeHighlights()
{
    // Entry [i][j] of edge {i, j}: 1 on {1,0}, 0.9999995 on {2,1}, 0.999999 on {3,2}.
    Cycle c(5);
    c.show(c.board.getEHilights(), 5, 5, [](int i, int j) {
        return j + 1 != i ? 0.0 : i == 1 ? 1.0 : i == 2 ? 0.9999995 : i == 3 ? 0.999999 : 0.0;
    });
    QVector<bool> lit;
    for (auto e : {qMakePair(1, 0), qMakePair(2, 1), qMakePair(3, 2), qMakePair(4, 0)})
        lit << c.g.getEdge(e.first, e.second)->isHilighted();
    QCOMPARE(lit, (QVector<bool>{true, true, false, false}));
    // A graph of another order makes the matrix the wrong shape: highlights go.
    c.g.addNode();
    c.g.best_backup();
    c.board.best_backup();
    QVERIFY(!c.g.getEdge(1, 0)->isHilighted());
}

QTEST_MAIN(tst_infoNODE)
#include "tst_infoNODE.moc"
