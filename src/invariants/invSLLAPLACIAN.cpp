#include "invariants/invSLLAPLACIAN.h"

#include "invariants/AdjacencyMatrices.h"
#include "invariants/ItemValues.h"

invSLLAPLACIAN::invSLLAPLACIAN(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    initItem(QStringLiteral("SLLAPLACIAN"),
             QStringLiteral("Signless Laplacian matrix, $SLL=D+A$, where $D$ is a matrix with "
                            "degrees on the main diagonal and $A$ is the adjacency matrix."),
             QStringLiteral("Signless Laplacian matrix, SLL=D+A, where D is a matrix with degrees "
                            "on the main diagonal and A is the adjacency matrix."),
             graphical, Report::Matrix, true);
}

void invSLLAPLACIAN::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    SquareBlock block;
    laplacianMatrix(g, 1.0, block);
    putMatrix(*this, g.n, block);
}
