#include "invariants/invONEVEC.h"

#include "graph/Graph.h"

invONEVEC::invONEVEC(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("Column vector of 1's.");
    initItem(QStringLiteral("ONEVEC"), doc, doc, graphical, Report::Node, true);
}

void invONEVEC::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const int n = graph->getNbNodes();
    rows = n;
    cols = 1;
    for (int i = 0; i < n; ++i)
        M[i][0] = 1.0;
}
