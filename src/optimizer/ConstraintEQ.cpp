#include "optimizer/ConstraintEQ.h"

ConstraintEQ::ConstraintEQ(bool graphical)
    : RelationalConstraint(Relation::EQ, QStringLiteral("=="),
                           QStringLiteral("The first and second arguments should be equal."),
                           graphical)
{
}
