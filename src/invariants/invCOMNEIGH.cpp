#include "invariants/invCOMNEIGH.h"

#include "invariants/AdjacencyMatrices.h"
#include "invariants/ItemValues.h"

invCOMNEIGH::invCOMNEIGH(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    const QString doc = QStringLiteral("Number of common neighbors");
    initItem(QStringLiteral("COMNEIGH"), doc, doc, graphical, Report::Matrix, true);
}

void invCOMNEIGH::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    SquareBlock block;
    commonNeighbourMatrix(g, block);
    putMatrix(*this, g.n, block);
}
