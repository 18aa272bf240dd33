#include "invariants/invCENTRALITY.h"

invCENTRALITY::invCENTRALITY(bool graphical) : BetweennessInvariant(Over::Vertices, PairWeight::One)
{
    initInvariant(QStringLiteral("CENTRALITY"),
                  QStringLiteral("Betweenness centrality of each vertex, $B(u) = \\sum_{s<t,\\ "
                                 "s,t \\neq u} \\sigma_{st}(u)/\\sigma_{st}$, where "
                                 "$\\sigma_{st}$ is the number of shortest paths between $s$ and "
                                 "$t$ and $\\sigma_{st}(u)$ the number of those through $u$; "
                                 "pairs in different components add 0."),
                  QStringLiteral("Betweenness centrality of each vertex, B(u) = sum over pairs s "
                                 "< t, s, t != u, of sigma_st(u)/sigma_st, where sigma_st is the "
                                 "number of shortest paths between s and t and sigma_st(u) the "
                                 "number of those through u; pairs in different components add 0."),
                  graphical);
}
