#include "invariants/invNBETWEENNESS.h"

#include "invariants/Betweenness.h"
#include "invariants/ItemValues.h"

invNBETWEENNESS::invNBETWEENNESS(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    initItem(QStringLiteral("NBETWEENNESS"),
             QStringLiteral("Normalized edge betweenness matrix: the edge betweenness divided by "
                            "$n(n-1)/2$, the number of pairs of vertices (0 below 2 vertices)."),
             QStringLiteral("Normalized edge betweenness matrix: the edge betweenness divided by "
                            "n(n-1)/2, the number of pairs of vertices (0 below 2 vertices)."),
             graphical, Report::Matrix, true);
}

void invNBETWEENNESS::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    double b[32][32];
    edgeBetweenness(g, PairWeight::One, b);
    const double pairs = g.n * (g.n - 1) / 2.0;
    for (int u = 0; u < g.n; ++u)
        for (int v = 0; v < g.n; ++v)
            b[u][v] = pairs > 0 ? b[u][v] / pairs : 0.0;
    putMatrix(*this, g.n, b);
}
