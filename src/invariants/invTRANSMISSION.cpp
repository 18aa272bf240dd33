#include "invariants/invTRANSMISSION.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invTRANSMISSION::invTRANSMISSION(bool graphical)
    : VertexInvariant(&columnFromDistances<&transmissions>)
{
    initInvariant(QStringLiteral("TRANSMISSION"),
                  QStringLiteral("Transmission of each vertex, $t(u) = \\sum_v d(u,v)$, the sum "
                                 "of its distances to all vertices; 1e12 on a disconnected graph."),
                  QStringLiteral("Transmission of each vertex, t(u) = sum over v of d(u,v), the "
                                 "sum of its distances to all vertices; 1e12 on a disconnected "
                                 "graph."),
                  graphical);
}
