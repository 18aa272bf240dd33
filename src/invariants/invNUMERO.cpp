#include "invariants/invNUMERO.h"

#include "graph/Graph.h"

invNUMERO::invNUMERO(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("Vector of size n with numbers from 1 to n.");
    initItem(QStringLiteral("NUMERO"), doc, doc, graphical, Report::Node, true);
}

void invNUMERO::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const int n = graph->getNbNodes();
    rows = n;
    cols = 1;
    for (int i = 0; i < n; ++i)
        M[i][0] = i + 1;
}
