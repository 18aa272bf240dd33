#pragma once

#include "invariants/ValueInvariant.h"

/// Clique number.
class invCLIQMAX : public ValueInvariant
{
public:
    explicit invCLIQMAX(bool graphical);
};
