#include "optimizer/ConstraintGT.h"

ConstraintGT::ConstraintGT(bool graphical)
    : RelationalConstraint(Relation::GT, QStringLiteral(">"),
                           QStringLiteral("The first  argument should be greater than the second."),
                           graphical)
{
}
