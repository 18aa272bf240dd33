#include "invariants/invKCHERRIES.h"

#include "invariants/DegreeKernels.h"

invKCHERRIES::invKCHERRIES(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral(
        "$KC_i$ is the number of pending vertices that are attached to the vertex $i$.");
    // A vector, yet offered to the explorer as one value per graph.
    initItem(QStringLiteral("KCHERRIES"), doc, doc, graphical, Report::Value, true);
}

void invKCHERRIES::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    const uint32_t pending = pendingSet(g);
    rows = g.n;
    cols = 1;
    for (int i = 0; i < g.n; ++i)
        M[i][0] = pendingNeighbours(g, pending, i);
}
