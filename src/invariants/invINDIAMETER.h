#pragma once

#include "items/Invariant.h"

/// Marks a shortest path between the first pair of vertices at maximum distance; an error when
/// disconnected.
class invINDIAMETER : public Invariant
{
public:
    explicit invINDIAMETER(bool graphical);
    void recompute() override;
};
