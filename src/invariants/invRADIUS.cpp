#include "invariants/invRADIUS.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invRADIUS::invRADIUS(bool graphical) : ValueInvariant(&valueFromDistances<&radius>)
{
    initInvariant(QStringLiteral("RADIUS"),
                  QStringLiteral("Radius, $r = \\min_u e(u)$, the smallest eccentricity of a "
                                 "vertex; 1e12 on a disconnected graph."),
                  QStringLiteral("Radius, r = min over u of e(u), the smallest eccentricity of a "
                                 "vertex; 1e12 on a disconnected graph."),
                  graphical);
}
