#pragma once

#include "invariants/InvariantItem.h"

/// The items whose value is one number a kernel makes of the graph.
class ValueInvariant : public InvariantItem
{
public:
    void recompute() override;

protected:
    using Kernel = double (*)(const BitGraph &);
    /// Whether column 0 below the value holds the degrees of vertices 1..n-1.
    enum class Degrees { Dropped, Kept };
    /// Kept for the degree-based indices, which are defined on the degree column the item
    /// writes into its own value matrix first.
    explicit ValueInvariant(Kernel kernel, Degrees degrees = Degrees::Dropped);

private:
    const Kernel kernel;
    const Degrees degrees;
};
