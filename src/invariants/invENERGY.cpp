#include "invariants/invENERGY.h"

#include "invariants/AdjacencyMatrices.h"
#include "invariants/EigenvalueIndices.h"
#include "invariants/ItemValues.h"
#include "numerics/Eig.h"

invENERGY::invENERGY(bool graphical) : InvariantItem(Shape::Value)
{
    initInvariant(QStringLiteral("ENERGY"),
                  QStringLiteral("Energy, sum of the absolute values of the eigenvalues of the "
                                 "adjacency matrix."),
                  graphical);
    work.fill(QVector<double>(32, 0.0), 32);
}

void invENERGY::recompute()
{
    if (missingGraph(noGraphLine))
        return;
    const BitGraph &g = readGraph();
    SquareBlock block;
    adjacencyMatrix(g, block);
    copyBlock(block, g.n, work);
    saveTooltip(QStringLiteral("Energy"));
    const Eig eig(work, g.n);
    const QVector<double> lambda = eig.eigvals();
    putValue(*this, energyFromEigenvalues(lambda.constData(), g.n));
}
