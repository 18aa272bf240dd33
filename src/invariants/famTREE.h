#pragma once

#include "invariants/FamilyMembership.h"

/// Whether the graph is a tree; an error below two vertices or when disconnected.
class famTREE : public FamilyMembership
{
public:
    explicit famTREE(bool graphical);
};
