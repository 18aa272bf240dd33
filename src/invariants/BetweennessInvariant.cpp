#include "invariants/BetweennessInvariant.h"

#include "invariants/ItemValues.h"

BetweennessInvariant::BetweennessInvariant(Over o, PairWeight w, Scale s)
    : InvariantItem(o == Over::Vertices ? Shape::Vertex : Shape::Matrix), over(o), weight(w),
      scale(s)
{
}

void BetweennessInvariant::recompute()
{
    if (missingGraph(noGraphLine))
        return;
    const BitGraph &g = readGraph();
    if (over == Over::Vertices) {
        double v[32];
        vertexBetweenness(g, weight, v);
        putColumn(*this, g.n, v);
        return;
    }
    double b[32][32];
    edgeBetweenness(g, weight, b);
    if (scale == Scale::PerPair) {
        const double pairs = g.n * (g.n - 1) / 2.0;
        for (int u = 0; u < g.n; ++u)
            for (int v = 0; v < g.n; ++v)
                b[u][v] = pairs > 0 ? b[u][v] / pairs : 0.0;
    }
    putMatrix(*this, g.n, b);
}
