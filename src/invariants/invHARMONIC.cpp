#include "invariants/invHARMONIC.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invHARMONIC::invHARMONIC(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    initItem(
        QStringLiteral("HARMONIC"),
        QStringLiteral("Harmonic centrality of each vertex, $H(u) = \\sum_{v \\neq u} 1/d(u,v)$; "
                       "vertices in other components add 0."),
        QStringLiteral("Harmonic centrality of each vertex, H(u) = sum over v != u of "
                       "1/d(u,v); vertices in other components add 0."),
        graphical, Report::Node, true);
}

void invHARMONIC::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putDistanceColumn(*this, g, &harmonicCentrality);
}
