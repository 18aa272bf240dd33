#pragma once

#include "invariants/FamilyMembership.h"

/// Whether the graph is a caterpillar; an error below two vertices or when disconnected.
class famCATERPILLAR : public FamilyMembership
{
public:
    explicit famCATERPILLAR(bool graphical);
};
