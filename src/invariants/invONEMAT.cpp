#include "invariants/invONEMAT.h"

#include "graph/Graph.h"
#include "invariants/ItemValues.h"

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
    putConstantMatrix(*this, graph->getNbNodes(), 1.0, 1.0);
}
