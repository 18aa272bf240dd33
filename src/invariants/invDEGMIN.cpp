#include "invariants/invDEGMIN.h"

#include "invariants/DegreeKernels.h"

invDEGMIN::invDEGMIN(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return degreeMin(g); })
{
    initInvariant(QStringLiteral("DEGMIN"),
                  QStringLiteral("Minimum degree among vertices of the graph."), graphical);
}
