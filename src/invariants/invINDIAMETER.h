#pragma once

#include "invariants/EdgeMarkInvariant.h"

/// Marks a shortest path between the first pair of vertices at maximum distance; an error when
/// disconnected.
class invINDIAMETER : public EdgeMarkInvariant
{
public:
    explicit invINDIAMETER(bool graphical);
};
