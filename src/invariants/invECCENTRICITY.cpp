#include "invariants/invECCENTRICITY.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invECCENTRICITY::invECCENTRICITY(bool graphical)
    : VertexInvariant(&columnFromDistances<&eccentricities>)
{
    initInvariant(QStringLiteral("ECCENTRICITY"),
                  QStringLiteral("Eccentricity of each vertex, $e(u) = \\max_v d(u,v)$, its "
                                 "largest distance to another vertex; 1e12 on a disconnected "
                                 "graph."),
                  QStringLiteral("Eccentricity of each vertex, e(u) = max over v of d(u,v), its "
                                 "largest distance to another vertex; 1e12 on a disconnected "
                                 "graph."),
                  graphical);
}
