#pragma once

#include "items/Invariant.h"

/// Marks the edges of the lexicographically smallest largest clique.
class invEINCLIQMAX : public Invariant
{
public:
    explicit invEINCLIQMAX(bool graphical);
    void recompute() override;
};
