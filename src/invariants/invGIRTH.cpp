#include "invariants/invGIRTH.h"

#include "invariants/DistanceIndices.h"

invGIRTH::invGIRTH(bool graphical) : ValueInvariant(&girth)
{
    initInvariant(QStringLiteral("GIRTH"),
                  QStringLiteral("Girth, the length of a shortest cycle of the graph; 1e12 for a "
                                 "forest, which has no cycle."),
                  graphical);
}
