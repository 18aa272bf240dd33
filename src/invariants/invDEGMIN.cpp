#include "invariants/invDEGMIN.h"

#include "invariants/DegreeKernels.h"

invDEGMIN::invDEGMIN(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("Minimum degree among vertices of the graph.");
    initItem(QStringLiteral("DEGMIN"), doc, doc, graphical, Report::Value, true);
}

void invDEGMIN::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    rows = cols = 1;
    M[0][0] = degreeMin(g);
}
