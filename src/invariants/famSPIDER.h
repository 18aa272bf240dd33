#pragma once

#include "invariants/FamilyMembership.h"

/// Whether the graph is a spider; an error below two vertices or when disconnected.
class famSPIDER : public FamilyMembership
{
public:
    explicit famSPIDER(bool graphical);
};
