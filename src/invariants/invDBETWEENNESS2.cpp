#include "invariants/invDBETWEENNESS2.h"

#include "invariants/Betweenness.h"
#include "invariants/ItemValues.h"

invDBETWEENNESS2::invDBETWEENNESS2(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    initItem(
        QStringLiteral("DBETW2"),
        QStringLiteral("Squared-distance-weighted edge betweenness matrix: for an edge $uv$, "
                       "entries $(u,v)$ and $(v,u)$ are $\\sum_{s<t} "
                       "\\sigma_{st}(uv)/(\\sigma_{st}\\, d(s,t)^2)$, where $\\sigma_{st}$ is the "
                       "number of shortest paths between $s$ and $t$ and $\\sigma_{st}(uv)$ the "
                       "number of those through the edge; 0 for non-adjacent pairs."),
        QStringLiteral("Squared-distance-weighted edge betweenness matrix: for an edge uv, "
                       "entries (u,v) and (v,u) are the sum over pairs s < t of "
                       "sigma_st(uv)/(sigma_st d(s,t)^2), where sigma_st is the number of "
                       "shortest paths between s and t and sigma_st(uv) the number of those "
                       "through the edge; 0 for non-adjacent pairs."),
        graphical, Report::Matrix, true);
}

void invDBETWEENNESS2::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    double b[32][32];
    edgeBetweenness(g, PairWeight::InverseSquare, b);
    putMatrix(*this, g.n, b);
}
