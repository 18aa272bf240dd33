#pragma once

#include "graph/Graph.h"
#include "items/Operator.h"

#include <QVector>
#include <initializer_list>

/// An argument item for operator tests: yields a preset value block with its symbolic
/// dimensions, or fails when asked to. Its formula is its name followed by "(G)".
class ValueSource : public Operator
{
public:
    explicit ValueSource(const QString &label = QStringLiteral("SRC"))
    {
        initItem(label, QString(), QString(), false, Report::Free, false);
    }
    void setValue(int r, int c, const QVector<double> &entries,
                  const QString &symbolicRows = QStringLiteral("NA"),
                  const QString &symbolicCols = QStringLiteral("NA"))
    {
        valueRows = r;
        valueCols = c;
        values = entries;
        symRows = symbolicRows;
        symCols = symbolicCols;
    }
    QString formula() override { return name + QStringLiteral("(G)"); }
    void recompute() override
    {
        if (failing) {
            fail(QStringLiteral("source failed"));
            return;
        }
        rows = valueRows;
        cols = valueCols;
        for (int k = 0; k < values.size() && valueCols > 0; ++k)
            M[k / valueCols][k % valueCols] = values[k];
        sRows = symRows;
        sCols = symCols;
    }

    bool failing = false;

private:
    int valueRows = 0;
    int valueCols = 0;
    QVector<double> values;
    QString symRows, symCols;
};

/// A graph of n vertices with the given edges, and the evaluation of items on it in order,
/// as the board does: the counter moves, then every item computes forced.
struct TestBoard {
    Graph g{QStringLiteral("G"), false};
    explicit TestBoard(int n = 0, std::initializer_list<std::pair<int, int>> edges = {})
    {
        g.clear();
        for (int v = 0; v < n; ++v)
            g.addNode();
        for (const auto &e : edges)
            g.addEdge(e.first, e.second);
    }
    void evaluate(std::initializer_list<Calculus *> items)
    {
        for (Calculus *c : items)
            c->setGraph(&g);
        g.changeBest();
        for (Calculus *c : items)
            c->compute(true);
    }
};
