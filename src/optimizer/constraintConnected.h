#pragma once

#include "items/Constraint.h"

/// Constraint "CONNECTED": the value is the number of connected components of the graph (or
/// of its complement) minus 1. Takes no argument; a link drawn to it carries none.
class constraintConnected : public Constraint
{
public:
    explicit constraintConnected(bool graphical);
    QString formula() override;
    bool setArg1(Calculus *) override { return false; }
    bool setArg2(Calculus *) override { return false; }
    void recompute() override;
};
