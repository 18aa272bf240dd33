#include "invariants/invCLAWS.h"

#include "invariants/ItemValues.h"
#include "invariants/SubgraphCounts.h"

invCLAWS::invCLAWS(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("Number of claws in the graph, number of times the star "
                                       "$S_4$ appears as induced subgraph.");
    initItem(QStringLiteral("CLAWS"), doc, doc, graphical, Report::Value, true);
}

void invCLAWS::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putValue(*this, clawCount(g));
}
