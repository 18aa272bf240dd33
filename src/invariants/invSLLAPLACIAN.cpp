#include "invariants/invSLLAPLACIAN.h"

invSLLAPLACIAN::invSLLAPLACIAN(bool graphical)
    : MatrixInvariant([](const BitGraph &g, SquareBlock &out) { laplacianMatrix(g, 1.0, out); })
{
    initInvariant(QStringLiteral("SLLAPLACIAN"),
                  QStringLiteral("Signless Laplacian matrix, $SLL=D+A$, where $D$ is a matrix "
                                 "with degrees on the main diagonal and $A$ is the adjacency "
                                 "matrix."),
                  QStringLiteral("Signless Laplacian matrix, SLL=D+A, where D is a matrix with "
                                 "degrees on the main diagonal and A is the adjacency matrix."),
                  graphical);
}
