#pragma once

#include "operators/OperatorItem.h"

/// The n x n matrix holding 1 / sqrt(v_i v_j) on the edges of the graph and 0 elsewhere, for a
/// row or column vector v of n entries whose products on the edges are positive.
class operNORMALIZEMAT : public OperatorItem
{
public:
    explicit operNORMALIZEMAT(bool graphical);
    void recompute() override;
};
