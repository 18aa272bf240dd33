#include "invariants/invNUMERO.h"

#include "graph/Graph.h"

invNUMERO::invNUMERO(bool graphical)
    : VertexInvariant([](const BitGraph &g, double out[]) {
          for (int v = 0; v < g.n; ++v)
              out[v] = v + 1;
      })
{
    initInvariant(QStringLiteral("NUMERO"),
                  QStringLiteral("Vector of size n with numbers from 1 to n."), graphical);
}
