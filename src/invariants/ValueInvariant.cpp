#include "invariants/ValueInvariant.h"

#include "invariants/ItemValues.h"

ValueInvariant::ValueInvariant(Kernel k, Degrees d)
    : InvariantItem(Shape::Value), kernel(k), degrees(d)
{
}

void ValueInvariant::recompute()
{
    const BitGraph &g = readGraph();
    if (degrees == Degrees::Kept)
        for (int v = 0; v < g.n; ++v)
            M[v][0] = g.degree(v);
    putValue(*this, kernel(g));
}
