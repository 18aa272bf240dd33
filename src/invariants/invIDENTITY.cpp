#include "invariants/invIDENTITY.h"

#include "graph/Graph.h"

invIDENTITY::invIDENTITY(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    const QString doc = QStringLiteral(
        "A matrix of order $n$ with 1 on the main diagonal and 0 on all other entries.");
    initItem(QStringLiteral("IDENTITY"), doc, doc, graphical, Report::Matrix, true);
}

void invIDENTITY::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const int n = graph->getNbNodes();
    rows = cols = n;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            M[i][j] = i == j ? 1.0 : 0.0;
}
