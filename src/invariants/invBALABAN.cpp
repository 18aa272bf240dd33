#include "invariants/invBALABAN.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invBALABAN::invBALABAN(bool graphical) : InvariantItem(Shape::Value)
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

void invBALABAN::recompute()
{
    const BitGraph &g = readGraph();
    DistanceMatrix dm;
    allDistances(g, dm);
    double value = 0;
    if (!balabanIndex(g, dm, value)) {
        fail(QStringLiteral("Graph not connected"));
        return;
    }
    saveTooltip(QString());
    putValue(*this, value);
}
