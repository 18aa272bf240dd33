#include "invariants/invDEGMAX.h"

#include "invariants/DegreeKernels.h"

invDEGMAX::invDEGMAX(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return degreeMax(g); })
{
    initInvariant(QStringLiteral("DEGMAX"),
                  QStringLiteral("Maximum degree among vertices of the graph."), graphical);
}
