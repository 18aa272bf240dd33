#pragma once

#include "items/Invariant.h"

/// Marks the lexicographically smallest largest clique.
class invINCLIQMAX : public Invariant
{
public:
    explicit invINCLIQMAX(bool graphical);
    void recompute() override;
};
