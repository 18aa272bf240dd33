#include "invariants/invPENDING.h"

#include "invariants/DegreeKernels.h"

invPENDING::invPENDING(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return pendingCount(g); })
{
    initInvariant(QStringLiteral("PENDING"),
                  QStringLiteral("Number of pending vertices, vertices of degree 1."), graphical);
}
