#include "invariants/invDIAMETER.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invDIAMETER::invDIAMETER(bool graphical) : ValueInvariant(&valueFromDistances<&diameter>)
{
    initInvariant(QStringLiteral("DIAMETER"),
                  QStringLiteral("Diameter, $D = \\max_u e(u)$, the largest eccentricity, that "
                                 "is the largest distance between two vertices; 1e12 on a "
                                 "disconnected graph."),
                  QStringLiteral("Diameter, D = max over u of e(u), the largest eccentricity, "
                                 "that is the largest distance between two vertices; 1e12 on a "
                                 "disconnected graph."),
                  graphical);
}
