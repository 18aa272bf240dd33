#include "invariants/invPENDING.h"

#include "invariants/DegreeKernels.h"

invPENDING::invPENDING(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("Number of pending vertices, vertices of degree 1.");
    initItem(QStringLiteral("PENDING"), doc, doc, graphical, Report::Value, true);
}

void invPENDING::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    rows = cols = 1;
    M[0][0] = pendingCount(g);
}
