#include "invariants/invIDENTITY.h"

#include "graph/Graph.h"

invIDENTITY::invIDENTITY(bool graphical)
    : MatrixInvariant([](const BitGraph &g, SquareBlock &out) {
          for (int i = 0; i < g.n; ++i)
              for (int j = 0; j < g.n; ++j)
                  out[i][j] = i == j ? 1.0 : 0.0;
      })
{
    initInvariant(QStringLiteral("IDENTITY"),
                  QStringLiteral("A matrix of order $n$ with 1 on the main diagonal and 0 on all "
                                 "other entries."),
                  graphical);
}
