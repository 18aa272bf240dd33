#include "invariants/invDBETWEENNESS.h"

invDBETWEENNESS::invDBETWEENNESS(bool graphical)
    : BetweennessInvariant(Over::Edges, PairWeight::InverseDistance)
{
    initInvariant(QStringLiteral("DBETW"),
                  QStringLiteral("Distance-weighted edge betweenness matrix: for an edge $uv$, "
                                 "entries $(u,v)$ and $(v,u)$ are $\\sum_{s<t} "
                                 "\\sigma_{st}(uv)/(\\sigma_{st}\\, d(s,t))$, where "
                                 "$\\sigma_{st}$ is the number of shortest paths between $s$ and "
                                 "$t$ and $\\sigma_{st}(uv)$ the number of those through the "
                                 "edge; 0 for non-adjacent pairs."),
                  QStringLiteral("Distance-weighted edge betweenness matrix: for an edge uv, "
                                 "entries (u,v) and (v,u) are the sum over pairs s < t of "
                                 "sigma_st(uv)/(sigma_st d(s,t)), where sigma_st is the number "
                                 "of shortest paths between s and t and sigma_st(uv) the number "
                                 "of those through the edge; 0 for non-adjacent pairs."),
                  graphical);
}
