#include "invariants/invDCENTRALITY.h"

invDCENTRALITY::invDCENTRALITY(bool graphical)
    : BetweennessInvariant(Over::Vertices, PairWeight::InverseDistance)
{
    initInvariant(QStringLiteral("DCENTRALITY"),
                  QStringLiteral("Distance-weighted betweenness centrality of each vertex, "
                                 "$\\sum_{s<t,\\ s,t \\neq u} \\sigma_{st}(u)/(\\sigma_{st}\\, "
                                 "d(s,t))$, where $\\sigma_{st}$ is the number of shortest paths "
                                 "between $s$ and $t$ and $\\sigma_{st}(u)$ the number of those "
                                 "through $u$; pairs in different components add 0."),
                  QStringLiteral("Distance-weighted betweenness centrality of each vertex, sum "
                                 "over pairs s < t, s, t != u, of sigma_st(u)/(sigma_st d(s,t)), "
                                 "where sigma_st is the number of shortest paths between s and t "
                                 "and sigma_st(u) the number of those through u; pairs in "
                                 "different components add 0."),
                  graphical);
}
