#include "invariants/invADJACENCY.h"

#include "invariants/AdjacencyMatrices.h"
#include "invariants/ItemValues.h"

invADJACENCY::invADJACENCY(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    const QString doc = QStringLiteral("Adjacency matrix");
    initItem(QStringLiteral("ADJACENCY"), doc, doc, graphical, Report::Matrix, true);
}

void invADJACENCY::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    SquareBlock block;
    adjacencyMatrix(g, block);
    putMatrix(*this, g.n, block);
}
