#pragma once

#include "invariants/InvariantItem.h"

/// The display items marking edges: 1.0 on both cells of a marked edge, 0.0 elsewhere (n x n).
class EdgeMarkInvariant : public InvariantItem
{
public:
    void recompute() override;

protected:
    /// Fills marks (root: the graph's last clicked vertex, for searches that start somewhere);
    /// false when the marks are undefined for this graph.
    using Kernel = bool (*)(const BitGraph &, int root, BitGraph &marks);
    /// What an undefined answer gives: an item without value, or the error flag with the marks
    /// the kernel made all the same.
    enum class Undefined { Fails, KeepsMarks };
    EdgeMarkInvariant(Kernel kernel, Undefined undefined, Report report);

private:
    const Kernel kernel;
    const Undefined undefined;
};
