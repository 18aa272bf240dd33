#include "invariants/invONEMAT.h"

#include "graph/Graph.h"

invONEMAT::invONEMAT(bool graphical)
    : MatrixInvariant([](const BitGraph &g, SquareBlock &out) {
          for (int i = 0; i < g.n; ++i)
              for (int j = 0; j < g.n; ++j)
                  out[i][j] = 1.0;
      })
{
    initInvariant(QStringLiteral("ONEMAT"), QStringLiteral("Matrix of 1's."), graphical);
}
