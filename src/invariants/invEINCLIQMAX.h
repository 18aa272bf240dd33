#pragma once

#include "invariants/EdgeMarkInvariant.h"

/// Marks the edges of the lexicographically smallest largest clique.
class invEINCLIQMAX : public EdgeMarkInvariant
{
public:
    explicit invEINCLIQMAX(bool graphical);
};
