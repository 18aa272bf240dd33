#include "invariants/invMODULARITY.h"

#include "invariants/AdjacencyMatrices.h"
#include "invariants/ItemValues.h"

invMODULARITY::invMODULARITY(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    const QString doc = QStringLiteral("Modularity matrix");
    initItem(QStringLiteral("MODULARITY"), doc, doc, graphical, Report::Matrix, true);
}

void invMODULARITY::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    SquareBlock block;
    modularityMatrix(g, block);
    putMatrix(*this, g.n, block);
}
