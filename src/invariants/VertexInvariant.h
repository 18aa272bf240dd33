#pragma once

#include "invariants/InvariantItem.h"

/// The items whose value is a vertex vector (n x 1) a kernel makes of the graph.
class VertexInvariant : public InvariantItem
{
public:
    void recompute() override;

protected:
    /// Writes out[0..n-1].
    using Column = void (*)(const BitGraph &, double out[]);
    /// A vector the graph may not have (false): the item then fails with undefinedTip as its
    /// tool tip, which the next success clears; an empty tip leaves the tool tip alone.
    using PartialColumn = bool (*)(const BitGraph &, double out[]);
    /// A set of vertices, shown as 1.0 for a member and 0.0 otherwise.
    using Members = uint32_t (*)(const BitGraph &);
    explicit VertexInvariant(Column column, Report report = Report::Node);
    VertexInvariant(PartialColumn column, const QString &undefinedTip);
    /// Sets are display items, offered to the explorer as one value per graph.
    explicit VertexInvariant(Members members);

private:
    const Column column = nullptr;
    const PartialColumn partialColumn = nullptr;
    const QString undefinedTip;
    const Members members = nullptr;
};
