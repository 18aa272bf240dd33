#include "invariants/invONEVEC.h"

#include "graph/Graph.h"

invONEVEC::invONEVEC(bool graphical)
    : VertexInvariant([](const BitGraph &g, double out[]) {
          for (int v = 0; v < g.n; ++v)
              out[v] = 1.0;
      })
{
    initInvariant(QStringLiteral("ONEVEC"), QStringLiteral("Column vector of 1's."), graphical);
}
