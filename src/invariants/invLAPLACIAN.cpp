#include "invariants/invLAPLACIAN.h"

#include "invariants/AdjacencyMatrices.h"
#include "invariants/ItemValues.h"

invLAPLACIAN::invLAPLACIAN(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    const QString doc =
        QStringLiteral("Laplacian matrix, $L=D-A$, where $D$ is a matrix with degrees on the main "
                       "diagonal and $A$ is the adjacency matrix.");
    initItem(QStringLiteral("LAPLACIAN"), doc, doc, graphical, Report::Matrix, true);
}

void invLAPLACIAN::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    SquareBlock block;
    laplacianMatrix(g, -1.0, block);
    putMatrix(*this, g.n, block);
}
