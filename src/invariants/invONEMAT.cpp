#include "invariants/invONEMAT.h"

#include "graph/Graph.h"

invONEMAT::invONEMAT(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    const QString doc = QStringLiteral("Matrix of 1's.");
    initItem(QStringLiteral("ONEMAT"), doc, doc, graphical, Report::Matrix, true);
}

void invONEMAT::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const int n = graph->getNbNodes();
    rows = cols = n;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            M[i][j] = 1.0;
}
