#pragma once

#include "invariants/FamilyMembership.h"

/// Whether the graph is a lobster; an error below two vertices or when disconnected.
class famLOBSTER : public FamilyMembership
{
public:
    explicit famLOBSTER(bool graphical);
};
