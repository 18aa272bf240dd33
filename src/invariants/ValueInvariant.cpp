#include "invariants/ValueInvariant.h"

#include "invariants/ItemValues.h"

ValueInvariant::ValueInvariant(Kernel k, Degrees d)
    : InvariantItem(Shape::Value), kernel(k), degrees(d)
{
}

ValueInvariant::ValueInvariant(PartialKernel k, const QString &tip)
    : InvariantItem(Shape::Value), partialKernel(k), undefinedTip(tip)
{
}

void ValueInvariant::recompute()
{
    if (missingGraph(noGraphLine))
        return;
    const BitGraph &g = readGraph();
    if (partialKernel) {
        double value = 0.0;
        if (!partialKernel(g, value)) {
            fail(undefinedTip);
            return;
        }
        if (!undefinedTip.isEmpty())
            saveTooltip(QString());
        putValue(*this, value);
        return;
    }
    if (degrees == Degrees::Kept)
        for (int v = 0; v < g.n; ++v)
            M[v][0] = g.degree(v);
    putValue(*this, kernel(g));
}
