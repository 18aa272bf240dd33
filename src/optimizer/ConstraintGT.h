#pragma once

#include "optimizer/RelationalConstraint.h"

/// Constraint ">": a pair not strictly ordered adds its squared difference plus 1.
class ConstraintGT : public RelationalConstraint
{
public:
    explicit ConstraintGT(bool graphical);
};
