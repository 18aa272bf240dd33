#include "invariants/invCLOSENESS.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invCLOSENESS::invCLOSENESS(bool graphical)
    : VertexInvariant(&columnFromDistances<&closenessCentrality>,
                      QStringLiteral("Graph not connected"))
{
    initInvariant(QStringLiteral("CLOSENESS"),
                  QStringLiteral("Closeness centrality of each vertex, $C(u) = (n-1)/t(u)$, "
                                 "where $t(u) = \\sum_v d(u,v)$ is its transmission; undefined "
                                 "(error) on a disconnected graph."),
                  QStringLiteral("Closeness centrality of each vertex, C(u) = (n-1)/t(u), where "
                                 "t(u) = sum over v of d(u,v) is its transmission; undefined "
                                 "(error) on a disconnected graph."),
                  graphical);
}
