#include "invariants/invCLAWS.h"

#include "invariants/SubgraphCounts.h"

invCLAWS::invCLAWS(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return clawCount(g); })
{
    initInvariant(QStringLiteral("CLAWS"),
                  QStringLiteral("Number of claws in the graph, number of times the star $S_4$ "
                                 "appears as induced subgraph."),
                  graphical);
}
