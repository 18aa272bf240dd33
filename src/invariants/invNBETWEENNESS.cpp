#include "invariants/invNBETWEENNESS.h"

invNBETWEENNESS::invNBETWEENNESS(bool graphical)
    : BetweennessInvariant(Over::Edges, PairWeight::One, Scale::PerPair)
{
    initInvariant(QStringLiteral("NBETWEENNESS"),
                  QStringLiteral("Normalized edge betweenness matrix: the edge betweenness "
                                 "divided by $n(n-1)/2$, the number of pairs of vertices (0 "
                                 "below 2 vertices)."),
                  QStringLiteral("Normalized edge betweenness matrix: the edge betweenness "
                                 "divided by n(n-1)/2, the number of pairs of vertices (0 below "
                                 "2 vertices)."),
                  graphical);
}
