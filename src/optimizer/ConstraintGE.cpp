#include "optimizer/ConstraintGE.h"

ConstraintGE::ConstraintGE(bool graphical)
    : RelationalConstraint(
          Relation::GE, QStringLiteral(">="),
          QStringLiteral("The first  argument should be greater than or equal to the second."),
          graphical)
{
}
