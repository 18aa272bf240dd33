#pragma once

#include "items/Constraint.h"
#include "optimizer/ConstraintKernels.h"

/// Argument 1 compared with argument 2 element by element; the value is the sum of the
/// penalties of the pairs that break the relation, 0 when it holds everywhere.
class RelationalConstraint : public Constraint
{
public:
    QString formula() override;
    void recompute() override;

protected:
    RelationalConstraint(Relation relation, const QString &keyword, const QString &doc,
                         bool graphical);

private:
    const Relation relation;
};
