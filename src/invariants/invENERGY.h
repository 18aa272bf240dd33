#pragma once

#include "items/Invariant.h"

/// Energy: sum of the absolute adjacency eigenvalues.
class invENERGY : public Invariant
{
public:
    explicit invENERGY(bool graphical);
    void recompute() override;

private:
    QVector<QVector<double>> work; // adjacency handed to the eigen-decomposition
};
