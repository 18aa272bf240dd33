#include "invariants/invDCENTRALITY2.h"

invDCENTRALITY2::invDCENTRALITY2(bool graphical)
    : BetweennessInvariant(Over::Vertices, PairWeight::InverseSquare)
{
    initInvariant(QStringLiteral("DCENTRALITY2"),
                  QStringLiteral("Squared-distance-weighted betweenness centrality of each "
                                 "vertex, $\\sum_{s<t,\\ s,t \\neq u} "
                                 "\\sigma_{st}(u)/(\\sigma_{st}\\, d(s,t)^2)$, where "
                                 "$\\sigma_{st}$ is the number of shortest paths between $s$ and "
                                 "$t$ and $\\sigma_{st}(u)$ the number of those through $u$; "
                                 "pairs in different components add 0."),
                  QStringLiteral("Squared-distance-weighted betweenness centrality of each "
                                 "vertex, sum over pairs s < t, s, t != u, of "
                                 "sigma_st(u)/(sigma_st d(s,t)^2), where sigma_st is the number "
                                 "of shortest paths between s and t and sigma_st(u) the number "
                                 "of those through u; pairs in different components add 0."),
                  graphical);
}
