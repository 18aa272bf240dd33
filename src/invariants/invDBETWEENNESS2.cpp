#include "invariants/invDBETWEENNESS2.h"

invDBETWEENNESS2::invDBETWEENNESS2(bool graphical)
    : BetweennessInvariant(Over::Edges, PairWeight::InverseSquare)
{
    initInvariant(QStringLiteral("DBETW2"),
                  QStringLiteral("Squared-distance-weighted edge betweenness matrix: for an edge "
                                 "$uv$, entries $(u,v)$ and $(v,u)$ are $\\sum_{s<t} "
                                 "\\sigma_{st}(uv)/(\\sigma_{st}\\, d(s,t)^2)$, where "
                                 "$\\sigma_{st}$ is the number of shortest paths between $s$ and "
                                 "$t$ and $\\sigma_{st}(uv)$ the number of those through the "
                                 "edge; 0 for non-adjacent pairs."),
                  QStringLiteral("Squared-distance-weighted edge betweenness matrix: for an edge "
                                 "uv, entries (u,v) and (v,u) are the sum over pairs s < t of "
                                 "sigma_st(uv)/(sigma_st d(s,t)^2), where sigma_st is the number "
                                 "of shortest paths between s and t and sigma_st(uv) the number "
                                 "of those through the edge; 0 for non-adjacent pairs."),
                  graphical);
}
