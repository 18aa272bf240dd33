#include "invariants/invK4.h"

#include "invariants/ItemValues.h"
#include "invariants/SubgraphCounts.h"

invK4::invK4(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("The number of K4 in the graph.");
    initItem(QStringLiteral("K4"), doc, doc, graphical, Report::Value, true);
}

void invK4::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putValue(*this, k4Count(g));
}
