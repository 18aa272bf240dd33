#pragma once

#include "operators/PickEntry.h"

/// Last entry of argument 1, read row by row.
class operLAST : public PickEntry
{
public:
    explicit operLAST(bool graphical);
};
