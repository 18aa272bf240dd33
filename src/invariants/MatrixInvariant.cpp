#include "invariants/MatrixInvariant.h"

#include "invariants/ItemValues.h"

MatrixInvariant::MatrixInvariant(Kernel k) : InvariantItem(Shape::Matrix), kernel(k) {}

void MatrixInvariant::recompute()
{
    if (missingGraph(noGraphLine))
        return;
    const BitGraph &g = readGraph();
    SquareBlock block;
    kernel(g, block);
    putMatrix(*this, g.n, block);
}
