#pragma once

#include "optimizer/RelationalConstraint.h"

/// Constraint "<=": a pair where argument 1 exceeds argument 2 adds its squared difference.
class ConstraintLE : public RelationalConstraint
{
public:
    explicit ConstraintLE(bool graphical);
};
