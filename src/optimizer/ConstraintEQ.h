#pragma once

#include "optimizer/RelationalConstraint.h"

/// Constraint "==": every pair adds its squared difference.
class ConstraintEQ : public RelationalConstraint
{
public:
    explicit ConstraintEQ(bool graphical);
};
