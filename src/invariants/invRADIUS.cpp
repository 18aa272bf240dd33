#include "invariants/invRADIUS.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invRADIUS::invRADIUS(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    initItem(
        QStringLiteral("RADIUS"),
        QStringLiteral("Radius, $r = \\min_u e(u)$, the smallest eccentricity of a vertex; 1e12 "
                       "on a disconnected graph."),
        QStringLiteral("Radius, r = min over u of e(u), the smallest eccentricity of a vertex; "
                       "1e12 on a disconnected graph."),
        graphical, Report::Value, true);
}

void invRADIUS::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    DistanceMatrix dm;
    allDistances(g, dm);
    putValue(*this, radius(dm));
}
