#pragma once

#include "items/Family.h"

/// Whether the graph is a caterpillar; an error below two vertices or when disconnected.
class famCATERPILLAR : public Family
{
public:
    explicit famCATERPILLAR(bool graphical);
    void recompute() override;
};
