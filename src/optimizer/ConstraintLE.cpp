#include "optimizer/ConstraintLE.h"

ConstraintLE::ConstraintLE(bool graphical)
    : RelationalConstraint(
          Relation::LE, QStringLiteral("<="),
          QStringLiteral("The first  argument should be less than or equal to the second."),
          graphical)
{
}
