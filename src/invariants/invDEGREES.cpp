#include "invariants/invDEGREES.h"

invDEGREES::invDEGREES(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral(
        "Degree vector, number of vertices that are adjacent to each individual vertex.");
    initItem(QStringLiteral("DEGREES"), doc, doc, graphical, Report::Node, true);
}

void invDEGREES::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    rows = g.n;
    cols = 1;
    for (int i = 0; i < g.n; ++i)
        M[i][0] = g.degree(i);
}
