#pragma once

#include "items/Invariant.h"

/// Clique number.
class invCLIQMAX : public Invariant
{
public:
    explicit invCLIQMAX(bool graphical);
    void recompute() override;
};
