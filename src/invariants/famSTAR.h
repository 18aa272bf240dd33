#pragma once

#include "items/Family.h"

/// Whether the graph is a star; an error below two vertices or when disconnected.
class famSTAR : public Family
{
public:
    explicit famSTAR(bool graphical);
    void recompute() override;
};
