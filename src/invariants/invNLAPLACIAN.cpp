#include "invariants/invNLAPLACIAN.h"

#include "invariants/AdjacencyMatrices.h"

invNLAPLACIAN::invNLAPLACIAN(bool graphical) : MatrixInvariant(&normalizedLaplacianMatrix)
{
    initInvariant(QStringLiteral("NLAPLACIAN"),
                  QStringLiteral("Normalized Laplacian matrix,$I-A'$, where $A'= \\{a'_{ij} = "
                                 "frac{a_{ij}}{\\sqrt{d_id_j}}\\}$."),
                  QStringLiteral("Normalized Laplacian matrix, the laplacian matrix with each "
                                 "row and each column divided by its degree."),
                  graphical);
}
