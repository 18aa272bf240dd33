#include "invariants/invDISTANCE.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invDISTANCE::invDISTANCE(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    initItem(
        QStringLiteral("DISTANCES"),
        QStringLiteral("Distance matrix: entry $(u,v)$ is $d(u,v)$, the number of edges of a "
                       "shortest path between $u$ and $v$; 0 on the diagonal, 1e12 for "
                       "vertices in different components."),
        QStringLiteral("Distance matrix: entry (u,v) is d(u,v), the number of edges of a "
                       "shortest path between u and v; 0 on the diagonal, 1e12 for vertices in "
                       "different components."),
        graphical, Report::Matrix, true);
}

void invDISTANCE::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    DistanceMatrix dm;
    allDistances(g, dm);
    double d[32][32];
    distanceValues(dm, d);
    putMatrix(*this, g.n, d);
}
