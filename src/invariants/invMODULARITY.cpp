#include "invariants/invMODULARITY.h"

#include "invariants/AdjacencyMatrices.h"

invMODULARITY::invMODULARITY(bool graphical) : MatrixInvariant(&modularityMatrix)
{
    initInvariant(QStringLiteral("MODULARITY"), QStringLiteral("Modularity matrix"), graphical);
}
