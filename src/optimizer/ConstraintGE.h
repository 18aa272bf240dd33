#pragma once

#include "optimizer/RelationalConstraint.h"

/// Constraint ">=": a pair where argument 2 exceeds argument 1 adds its squared difference.
class ConstraintGE : public RelationalConstraint
{
public:
    explicit ConstraintGE(bool graphical);
};
