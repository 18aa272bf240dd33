#include "invariants/invTRIANGLES.h"

#include "invariants/SubgraphCounts.h"

invTRIANGLES::invTRIANGLES(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return triangleCount(g); })
{
    initInvariant(QStringLiteral("TRIANGLES"),
                  QStringLiteral("The number of triangles in the graph."), graphical);
}
