#pragma once

#include "invariants/FamilyMembership.h"

/// Whether the graph is a comet; an error below two vertices or when disconnected.
class famCOMET : public FamilyMembership
{
public:
    explicit famCOMET(bool graphical);
};
