#pragma once

#include "items/Invariant.h"

/// Randic index.
class invRANDIC : public Invariant
{
public:
    explicit invRANDIC(bool graphical);
    void recompute() override;
};
