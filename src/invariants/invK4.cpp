#include "invariants/invK4.h"

#include "invariants/SubgraphCounts.h"

invK4::invK4(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return k4Count(g); })
{
    initInvariant(QStringLiteral("K4"), QStringLiteral("The number of K4 in the graph."),
                  graphical);
}
