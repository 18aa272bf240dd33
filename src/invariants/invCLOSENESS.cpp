#include "invariants/invCLOSENESS.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invCLOSENESS::invCLOSENESS(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    initItem(QStringLiteral("CLOSENESS"),
             QStringLiteral("Closeness centrality of each vertex, $C(u) = (n-1)/t(u)$, where $t(u) "
                            "= \\sum_v d(u,v)$ is its transmission; undefined (error) on a "
                            "disconnected graph."),
             QStringLiteral("Closeness centrality of each vertex, C(u) = (n-1)/t(u), where t(u) = "
                            "sum over v of d(u,v) is its transmission; undefined (error) on a "
                            "disconnected graph."),
             graphical, Report::Node, true);
}

void invCLOSENESS::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    DistanceMatrix dm;
    allDistances(g, dm);
    double v[32];
    if (!closenessCentrality(dm, v)) {
        fail(QStringLiteral("Graph not connected"));
        return;
    }
    saveTooltip(QString());
    putColumn(*this, g.n, v);
}
