#include "invariants/invBETWEENNESS.h"

invBETWEENNESS::invBETWEENNESS(bool graphical) : BetweennessInvariant(Over::Edges, PairWeight::One)
{
    initInvariant(QStringLiteral("BETWEENNESS"),
                  QStringLiteral("Edge betweenness matrix: for an edge $uv$, entries $(u,v)$ and "
                                 "$(v,u)$ are $\\sum_{s<t} \\sigma_{st}(uv)/\\sigma_{st}$, where "
                                 "$\\sigma_{st}$ is the number of shortest paths between $s$ and "
                                 "$t$ and $\\sigma_{st}(uv)$ the number of those through the "
                                 "edge; 0 for non-adjacent pairs; pairs in different components "
                                 "add 0."),
                  QStringLiteral("Edge betweenness matrix: for an edge uv, entries (u,v) and "
                                 "(v,u) are the sum over pairs s < t of sigma_st(uv)/sigma_st, "
                                 "where sigma_st is the number of shortest paths between s and t "
                                 "and sigma_st(uv) the number of those through the edge; 0 for "
                                 "non-adjacent pairs; pairs in different components add 0."),
                  graphical);
}
