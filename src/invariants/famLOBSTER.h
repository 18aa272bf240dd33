#pragma once

#include "items/Family.h"

/// Whether the graph is a lobster; an error below two vertices or when disconnected.
class famLOBSTER : public Family
{
public:
    explicit famLOBSTER(bool graphical);
    void recompute() override;
};
