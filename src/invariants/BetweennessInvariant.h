#pragma once

#include "invariants/Betweenness.h"
#include "invariants/InvariantItem.h"

/// The betweenness items: for each vertex (n x 1) or each edge (n x n), the weighted share of
/// the shortest paths between pairs of other vertices that go through it.
class BetweennessInvariant : public InvariantItem
{
public:
    void recompute() override;

protected:
    enum class Over { Vertices, Edges };
    /// PerPair divides by n(n-1)/2, the number of pairs (0 below two vertices).
    enum class Scale { Total, PerPair };
    BetweennessInvariant(Over over, PairWeight weight, Scale scale = Scale::Total);

private:
    const Over over;
    const PairWeight weight;
    const Scale scale;
};
