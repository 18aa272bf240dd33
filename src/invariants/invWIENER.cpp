#include "invariants/invWIENER.h"

#include "invariants/DistanceIndices.h"

invWIENER::invWIENER(bool graphical) : ValueInvariant(&wienerIndex)
{
    initInvariant(QStringLiteral("WIENER"),
                  QStringLiteral("Wiener index, $W = \\sum_{u<v} d(u,v)$, the sum of the "
                                 "distances between all pairs of vertices; 1e12 on a "
                                 "disconnected graph."),
                  QStringLiteral("Wiener index, W = sum over pairs u < v of d(u,v), the sum of "
                                 "the distances between all pairs of vertices; 1e12 on a "
                                 "disconnected graph."),
                  graphical);
}
