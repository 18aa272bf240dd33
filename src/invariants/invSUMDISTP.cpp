#include "invariants/invSUMDISTP.h"

#include "invariants/ItemValues.h"
#include "invariants/PendantDistances.h"

invSUMDISTP::invSUMDISTP(bool graphical)
    : VertexInvariant(&columnFromDistances<&sumDistancesToPendants>)
{
    initInvariant(QStringLiteral("SUMDISTP"),
                  QStringLiteral("Sum of the distances from each vertex to the pendant vertices "
                                 "(vertices of degree 1), $\\sum_{p : d_p = 1} d(u,p)$; pendant "
                                 "vertices in other components add 0."),
                  QStringLiteral("Sum of the distances from each vertex to the pendant vertices "
                                 "(vertices of degree 1), sum over p of degree 1 of d(u,p); "
                                 "pendant vertices in other components add 0."),
                  graphical);
}
