#pragma once

#include "items/Invariant.h"

/// The column 1, 2, ..., n.
class invNUMERO : public Invariant
{
public:
    explicit invNUMERO(bool graphical);
    void recompute() override;
};
