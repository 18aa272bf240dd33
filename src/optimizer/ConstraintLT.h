#pragma once

#include "optimizer/RelationalConstraint.h"

/// Constraint "<": a pair not strictly ordered adds its squared difference plus 1.
class ConstraintLT : public RelationalConstraint
{
public:
    explicit ConstraintLT(bool graphical);
};
