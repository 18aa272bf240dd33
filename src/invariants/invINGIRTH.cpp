#include "invariants/invINGIRTH.h"

#include "invariants/HighlightSearch.h"
#include "invariants/ItemValues.h"

invINGIRTH::invINGIRTH(bool graphical) : InvariantItem(Shape::Matrix)
{
    initInvariant(QStringLiteral("INGIRTH"),
                  QStringLiteral("Is the edge in the smallest cycle (only one such cycle is "
                                 "considered). Function for hilight purpose only."),
                  graphical);
}

void invINGIRTH::recompute()
{
    if (missingGraph(noGraphLine))
        return;
    const BitGraph &g = readGraph();
    BitGraph marks;
    if (shortestCycle(g, &marks))
        putEdgeMarks(*this, marks);
    else
        error = true; // a forest: the block keeps what it held
    rows = cols = g.n;
    if (!isConnected(g))
        error = true;
}
