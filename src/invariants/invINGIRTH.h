#pragma once

#include "invariants/InvariantItem.h"

/// Marks the edges of one shortest cycle; an error when the graph is disconnected or has no cycle.
class invINGIRTH : public InvariantItem
{
public:
    explicit invINGIRTH(bool graphical);
    void recompute() override;
};
