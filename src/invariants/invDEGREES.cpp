#include "invariants/invDEGREES.h"

invDEGREES::invDEGREES(bool graphical)
    : VertexInvariant([](const BitGraph &g, double out[]) {
          for (int v = 0; v < g.n; ++v)
              out[v] = g.degree(v);
      })
{
    initInvariant(QStringLiteral("DEGREES"),
                  QStringLiteral("Degree vector, number of vertices that are adjacent to each "
                                 "individual vertex."),
                  graphical);
}
