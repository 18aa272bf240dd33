#pragma once

#include "invariants/FamilyMembership.h"

/// Whether the graph is a path; an error below two vertices or when disconnected.
class famPATH : public FamilyMembership
{
public:
    explicit famPATH(bool graphical);
};
