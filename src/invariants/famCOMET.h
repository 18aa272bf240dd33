#pragma once

#include "items/Family.h"

/// Whether the graph is a comet; an error below two vertices or when disconnected.
class famCOMET : public Family
{
public:
    explicit famCOMET(bool graphical);
    void recompute() override;
};
