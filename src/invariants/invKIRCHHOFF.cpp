#include "invariants/invKIRCHHOFF.h"

#include "invariants/AdjacencyMatrices.h"
#include "invariants/EigenvalueIndices.h"
#include "invariants/ItemValues.h"
#include "numerics/Eig.h"

invKIRCHHOFF::invKIRCHHOFF(bool graphical) : InvariantItem(Shape::Value)
{
    initInvariant(QStringLiteral("KIRCHHOFF"),
                  QStringLiteral("KIRCHHOFF index defined as "
                                 "$n\\sum_{k=1}^{n-1}\\frac{1}{\\mu_k}$, where $\\mu_k$ is the "
                                 "$k^{th}$ eigenvalue of the laplacian matrix of $G$."),
                  graphical);
}

void invKIRCHHOFF::recompute()
{
    if (missingGraph(noGraphLine))
        return;
    saveTooltip(QStringLiteral("Kirchhoff"));
    const BitGraph &g = readGraph();
    if (g.n < 3) {
        fail();
        return;
    }
    // The Laplacian stays in the value matrix outside the 1 x 1 value.
    SquareBlock block;
    laplacianMatrix(g, -1.0, block);
    putMatrix(*this, g.n, block);
    const Eig eig(M, g.n);
    const QVector<double> lambda = eig.eigvals();
    double value = 0.0;
    if (!kirchhoffFromEigenvalues(lambda.constData(), g.n, &value)) {
        fail();
        return;
    }
    putValue(*this, value);
}
