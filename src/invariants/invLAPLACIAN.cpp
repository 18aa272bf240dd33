#include "invariants/invLAPLACIAN.h"

invLAPLACIAN::invLAPLACIAN(bool graphical)
    : MatrixInvariant([](const BitGraph &g, SquareBlock &out) { laplacianMatrix(g, -1.0, out); })
{
    initInvariant(QStringLiteral("LAPLACIAN"),
                  QStringLiteral("Laplacian matrix, $L=D-A$, where $D$ is a matrix with degrees "
                                 "on the main diagonal and $A$ is the adjacency matrix."),
                  graphical);
}
