#include "invariants/invADJACENCY.h"

#include "invariants/AdjacencyMatrices.h"

invADJACENCY::invADJACENCY(bool graphical) : MatrixInvariant(&adjacencyMatrix)
{
    initInvariant(QStringLiteral("ADJACENCY"), QStringLiteral("Adjacency matrix"), graphical);
}
