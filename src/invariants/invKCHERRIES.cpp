#include "invariants/invKCHERRIES.h"

#include "invariants/DegreeKernels.h"

invKCHERRIES::invKCHERRIES(bool graphical)
    : VertexInvariant(
          [](const BitGraph &g, double out[]) {
              const uint32_t pending = pendingSet(g);
              for (int v = 0; v < g.n; ++v)
                  out[v] = pendingNeighbours(g, pending, v);
          },
          Report::Value)
{
    // A vector, yet offered to the explorer as one value per graph.
    initInvariant(QStringLiteral("KCHERRIES"),
                  QStringLiteral("$KC_i$ is the number of pending vertices that are attached to "
                                 "the vertex $i$."),
                  graphical);
}
