#include "invariants/invSIZE.h"

invSIZE::invSIZE(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Size of the graph, $m = |E|$, the number of edges of the graph.");
    initItem(QStringLiteral("SIZE"), doc, doc, graphical, Report::Value, true);
}

void invSIZE::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    rows = cols = 1;
    M[0][0] = g.edgeCount();
}
