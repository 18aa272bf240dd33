#include "invariants/invDISTANCE.h"

#include "invariants/DistanceIndices.h"

invDISTANCE::invDISTANCE(bool graphical)
    : MatrixInvariant([](const BitGraph &g, SquareBlock &out) {
          DistanceMatrix dm;
          allDistances(g, dm);
          distanceValues(dm, out);
      })
{
    initInvariant(QStringLiteral("DISTANCES"),
                  QStringLiteral("Distance matrix: entry $(u,v)$ is $d(u,v)$, the number of "
                                 "edges of a shortest path between $u$ and $v$; 0 on the "
                                 "diagonal, 1e12 for vertices in different components."),
                  QStringLiteral("Distance matrix: entry (u,v) is d(u,v), the number of edges of "
                                 "a shortest path between u and v; 0 on the diagonal, 1e12 for "
                                 "vertices in different components."),
                  graphical);
}
