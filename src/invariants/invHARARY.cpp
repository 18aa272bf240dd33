#include "invariants/invHARARY.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invHARARY::invHARARY(bool graphical) : ValueInvariant(&valueFromDistances<&hararyIndex>)
{
    initInvariant(QStringLiteral("HARARY"),
                  QStringLiteral("Harary index, $H = \\sum_{u<v} 1/d(u,v)$; pairs of vertices in "
                                 "different components add 0."),
                  QStringLiteral("Harary index, H = sum over pairs u < v of 1/d(u,v); pairs of "
                                 "vertices in different components add 0."),
                  graphical);
}
