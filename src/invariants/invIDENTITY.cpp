#include "invariants/invIDENTITY.h"

#include "graph/Graph.h"
#include "invariants/ItemValues.h"

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
    putConstantMatrix(*this, graph->getNbNodes(), 1.0, 0.0);
}
