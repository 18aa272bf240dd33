#pragma once

#include "invariants/InvariantItem.h"

/// The items whose value is one number a kernel makes of the graph.
class ValueInvariant : public InvariantItem
{
public:
    void recompute() override;

protected:
    using Kernel = double (*)(const BitGraph &);
    /// A value the graph may not have (false): the item then fails with undefinedTip as its
    /// tool tip, which the next success clears; an empty tip leaves the tool tip alone.
    using PartialKernel = bool (*)(const BitGraph &, double &value);
    /// Whether column 0 below the value holds the degrees of vertices 1..n-1.
    enum class Degrees { Dropped, Kept };
    /// Kept for the degree-based indices, which are defined on the degree column the item
    /// writes into its own value matrix first.
    explicit ValueInvariant(Kernel kernel, Degrees degrees = Degrees::Dropped);
    ValueInvariant(PartialKernel kernel, const QString &undefinedTip);

private:
    const Kernel kernel = nullptr;
    const PartialKernel partialKernel = nullptr;
    const QString undefinedTip;
    const Degrees degrees = Degrees::Dropped;
};
