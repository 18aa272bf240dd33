#include "invariants/invONEVEC.h"

#include "graph/Graph.h"
#include "invariants/ItemValues.h"

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
    putSequence(*this, graph->getNbNodes(), 1.0, 0.0);
}
