#pragma once

#include "invariants/FamilyMembership.h"

/// Whether the graph is a star; an error below two vertices or when disconnected.
class famSTAR : public FamilyMembership
{
public:
    explicit famSTAR(bool graphical);
};
