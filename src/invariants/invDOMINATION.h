#pragma once

#include "invariants/ValueInvariant.h"

/// Domination number; 0 for a graph without vertices.
class invDOMINATION : public ValueInvariant
{
public:
    explicit invDOMINATION(bool graphical);
};
