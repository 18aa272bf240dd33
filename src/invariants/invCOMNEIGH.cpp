#include "invariants/invCOMNEIGH.h"

#include "invariants/AdjacencyMatrices.h"

invCOMNEIGH::invCOMNEIGH(bool graphical) : MatrixInvariant(&commonNeighbourMatrix)
{
    initInvariant(QStringLiteral("COMNEIGH"), QStringLiteral("Number of common neighbors"),
                  graphical);
}
