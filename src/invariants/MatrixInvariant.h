#pragma once

#include "invariants/AdjacencyMatrices.h"
#include "invariants/InvariantItem.h"

/// The items whose value is an n x n matrix a kernel makes of the graph.
class MatrixInvariant : public InvariantItem
{
public:
    void recompute() override;

protected:
    using Kernel = void (*)(const BitGraph &, SquareBlock &out);
    explicit MatrixInvariant(Kernel kernel);

private:
    const Kernel kernel;
};
