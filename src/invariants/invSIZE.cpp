#include "invariants/invSIZE.h"

invSIZE::invSIZE(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return g.edgeCount(); })
{
    initInvariant(QStringLiteral("SIZE"),
                  QStringLiteral("Size of the graph, $m = |E|$, the number of edges of the graph."),
                  graphical);
}
