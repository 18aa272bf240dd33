#pragma once

#include "invariants/InvariantItem.h"

/// Energy: sum of the absolute adjacency eigenvalues.
class invENERGY : public InvariantItem
{
public:
    explicit invENERGY(bool graphical);
    void recompute() override;

private:
    QVector<QVector<double>> work; // adjacency handed to the eigen-decomposition
};
