#include "invariants/invDISTCLOSESTLEAF.h"

#include "invariants/ItemValues.h"
#include "invariants/PendantDistances.h"

invDISTCLOSESTLEAF::invDISTCLOSESTLEAF(bool graphical)
    : VertexInvariant(&columnFromDistances<&distanceToClosestPendant>)
{
    initInvariant(QStringLiteral("DISTCLOSESTLEAF"),
                  QStringLiteral("Distance from each vertex to its closest pendant vertex "
                                 "(vertex of degree 1), $\\min_{p : d_p = 1} d(u,p)$; 0 for a "
                                 "pendant vertex, 1e12 when no pendant vertex is reachable."),
                  QStringLiteral("Distance from each vertex to its closest pendant vertex "
                                 "(vertex of degree 1), min over p of degree 1 of d(u,p); 0 for "
                                 "a pendant vertex, 1e12 when no pendant vertex is reachable."),
                  graphical);
}
