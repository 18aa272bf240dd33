#include "invariants/invWIENER.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invWIENER::invWIENER(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    initItem(
        QStringLiteral("WIENER"),
        QStringLiteral("Wiener index, $W = \\sum_{u<v} d(u,v)$, the sum of the distances "
                       "between all pairs of vertices; 1e12 on a disconnected graph."),
        QStringLiteral("Wiener index, W = sum over pairs u < v of d(u,v), the sum of the "
                       "distances between all pairs of vertices; 1e12 on a disconnected graph."),
        graphical, Report::Value, true);
}

void invWIENER::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putValue(*this, wienerIndex(g));
}
