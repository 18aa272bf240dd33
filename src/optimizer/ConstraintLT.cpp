#include "optimizer/ConstraintLT.h"

ConstraintLT::ConstraintLT(bool graphical)
    : RelationalConstraint(Relation::LT, QStringLiteral("<"),
                           QStringLiteral("The first  argument should be less than the second."),
                           graphical)
{
}
