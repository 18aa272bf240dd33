#include "invariants/invSZEGED.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invSZEGED::invSZEGED(bool graphical) : ValueInvariant(&valueFromDistances<&szegedIndex>)
{
    initInvariant(QStringLiteral("SZEGED"),
                  QStringLiteral("Szeged index, $Sz = \\sum_{uv \\in E} n_u n_v$, where $n_u$ is "
                                 "the number of vertices $w$ with $d(w,u) < d(w,v)$; on a "
                                 "disconnected graph it is computed within the components."),
                  QStringLiteral("Szeged index, Sz = sum over edges uv of n_u * n_v, where n_u "
                                 "is the number of vertices w with d(w,u) < d(w,v); on a "
                                 "disconnected graph it is computed within the components."),
                  graphical);
}
