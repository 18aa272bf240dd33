#include "invariants/invDEGMAX.h"

#include "invariants/DegreeKernels.h"

invDEGMAX::invDEGMAX(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("Maximum degree among vertices of the graph.");
    initItem(QStringLiteral("DEGMAX"), doc, doc, graphical, Report::Value, true);
}

void invDEGMAX::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    rows = cols = 1;
    M[0][0] = degreeMax(g);
}
