#include "invariants/invDBETWEENNESS.h"

#include "invariants/Betweenness.h"
#include "invariants/ItemValues.h"

invDBETWEENNESS::invDBETWEENNESS(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    initItem(
        QStringLiteral("DBETW"),
        QStringLiteral("Distance-weighted edge betweenness matrix: for an edge $uv$, entries "
                       "$(u,v)$ and $(v,u)$ are $\\sum_{s<t} \\sigma_{st}(uv)/(\\sigma_{st}\\, "
                       "d(s,t))$, where $\\sigma_{st}$ is the number of shortest paths between "
                       "$s$ and $t$ and $\\sigma_{st}(uv)$ the number of those through the "
                       "edge; 0 for non-adjacent pairs."),
        QStringLiteral("Distance-weighted edge betweenness matrix: for an edge uv, entries "
                       "(u,v) and (v,u) are the sum over pairs s < t of sigma_st(uv)/(sigma_st "
                       "d(s,t)), where sigma_st is the number of shortest paths between s and "
                       "t and sigma_st(uv) the number of those through the edge; 0 for "
                       "non-adjacent pairs."),
        graphical, Report::Matrix, true);
}

void invDBETWEENNESS::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    double b[32][32];
    edgeBetweenness(g, PairWeight::InverseDistance, b);
    putMatrix(*this, g.n, b);
}
