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
    /// The same, false when the graph is disconnected: the item fails with "Graph not connected".
    using ConnectedColumn = bool (*)(const BitGraph &, double out[]);
    /// A set of vertices, shown as 1.0 for a member and 0.0 otherwise.
    using Members = uint32_t (*)(const BitGraph &);
    explicit VertexInvariant(Column column, Report report = Report::Node);
    explicit VertexInvariant(ConnectedColumn column);
    /// Sets are display items, offered to the explorer as one value per graph.
    explicit VertexInvariant(Members members);

private:
    const Column column = nullptr;
    const ConnectedColumn connectedColumn = nullptr;
    const Members members = nullptr;
};
