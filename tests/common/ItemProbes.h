#pragma once

// Small concrete items for exercising the item base and the category bases in tests.

#include "items/Constraint.h"
#include "items/Family.h"
#include "items/Invariant.h"
#include "items/Operator.h"

#include <functional>

/// Counts its computations and records what it saw of the graph: the order and the number of
/// adjacent pairs, counted here pair by pair from the snapshot. Its entries are `entry` when
/// set, else 100 * row + column + base.
template <class Base> class Probe : public Base
{
public:
    explicit Probe(bool graphical = false, const QString &keyword = QStringLiteral("PROBE"))
    {
        this->sRows = QStringLiteral("1");
        this->sCols = QStringLiteral("1");
        this->initItem(keyword, QStringLiteral("latex probe"), QStringLiteral("text probe"),
                       graphical, Calculus::Report::Free, true);
    }
    QString formula() override { return this->name; }
    void recompute() override
    {
        ++calls;
        if (failNext) {
            this->fail(QStringLiteral("probe failed"));
            return;
        }
        const BitGraph &g = this->readGraph();
        seenOrder = g.n;
        seenPairs = 0;
        for (int i = 0; i < g.n; ++i)
            for (int j = i + 1; j < g.n; ++j)
                seenPairs += (g.row[i] >> j) & 1u;
        this->rows = shapeRows, this->cols = shapeCols;
        for (int i = 0; i < shapeRows; ++i)
            for (int j = 0; j < shapeCols; ++j)
                this->M[i][j] = entry ? entry(i, j) : 100 * i + j + base;
    }

    int calls = 0, seenOrder = -1, seenPairs = -1, shapeRows = 1, shapeCols = 1;
    bool failNext = false;
    double base = 0.5;
    std::function<double(int, int)> entry;
};

using InvariantProbe = Probe<Invariant>;
using FamilyProbe = Probe<Family>;
using OperatorProbe = Probe<Operator>;
using ConstraintProbe = Probe<Constraint>;

/// An invariant of the given shape whose entries `f` gives.
inline InvariantProbe *fixedProbe(int rows, int cols, std::function<double(int, int)> f)
{
    auto *p = new InvariantProbe;
    p->shapeRows = rows;
    p->shapeCols = cols;
    p->entry = std::move(f);
    return p;
}

/// A column vector holding `v`.
inline InvariantProbe *columnProbe(const QVector<double> &v)
{
    return fixedProbe(v.size(), 1, [v](int i, int) { return v[i]; });
}
