#include "invariants/invBALABAN.h"

#include "invariants/DistanceIndices.h"

invBALABAN::invBALABAN(bool graphical)
    : ValueInvariant(
          [](const BitGraph &g, double &value) {
              DistanceMatrix dm;
              allDistances(g, dm);
              return balabanIndex(g, dm, value);
          },
          QStringLiteral("Graph not connected"))
{
    initInvariant(QStringLiteral("BALABAN"),
                  QStringLiteral("Balaban index, $J = \\frac{m}{\\mu+1} \\sum_{uv \\in E} "
                                 "(t(u)\\,t(v))^{-1/2}$, where $t(u)$ is the transmission of $u$ "
                                 "and $\\mu = m-n+1$ the cyclomatic number; undefined (error) on "
                                 "a disconnected graph."),
                  QStringLiteral("Balaban index, J = m/(mu+1) * sum over edges uv of (t(u) "
                                 "t(v))^(-1/2), where t(u) is the transmission of u and mu = "
                                 "m-n+1 the cyclomatic number; undefined (error) on a "
                                 "disconnected graph."),
                  graphical);
}
