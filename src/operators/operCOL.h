#pragma once

#include "operators/LineSelection.h"

/// Column k of argument 1 as a column, k the single value of argument 2, from 1.
class operCOL : public LineSelection
{
public:
    explicit operCOL(bool graphical);
};
