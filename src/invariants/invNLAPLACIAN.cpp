#include "invariants/invNLAPLACIAN.h"

#include "invariants/AdjacencyMatrices.h"
#include "invariants/ItemValues.h"

invNLAPLACIAN::invNLAPLACIAN(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    initItem(QStringLiteral("NLAPLACIAN"),
             QStringLiteral("Normalized Laplacian matrix,$I-A'$, where $A'= \\{a'_{ij} = "
                            "frac{a_{ij}}{\\sqrt{d_id_j}}\\}$."),
             QStringLiteral("Normalized Laplacian matrix, the laplacian matrix with each row and "
                            "each column divided by its degree."),
             graphical, Report::Matrix, true);
}

void invNLAPLACIAN::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    SquareBlock block;
    normalizedLaplacianMatrix(g, block);
    putMatrix(*this, g.n, block);
}
