#include "invariants/invEINCLIQMAX.h"

#include "invariants/CliqueSearch.h"

invEINCLIQMAX::invEINCLIQMAX(bool graphical)
    : EdgeMarkInvariant(
          [](const BitGraph &g, int, BitGraph &marks) {
              uint32_t members = 0;
              maximumClique(g, &members);
              marks.n = g.n;
              for (int v = 0; v < g.n; ++v)
                  marks.row[v] = (members >> v) & 1u ? members & ~(1u << v) : 0u;
              return true;
          },
          Undefined::Fails, Report::Value)
{
    initInvariant(QStringLiteral("EINCLIQMAX"),
                  QStringLiteral("Edges in a maximum cliq. To be used for display purpose."),
                  graphical);
}
