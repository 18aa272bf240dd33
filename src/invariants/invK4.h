#pragma once

#include "items/Invariant.h"

/// Number of complete subgraphs on four vertices.
class invK4 : public Invariant
{
public:
    explicit invK4(bool graphical);
    void recompute() override;
};
