#pragma once

#include "items/Family.h"

/// Whether the graph is a tree; an error below two vertices or when disconnected.
class famTREE : public Family
{
public:
    explicit famTREE(bool graphical);
    void recompute() override;
};
