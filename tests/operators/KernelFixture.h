#pragma once

#include "../invariants/InvariantFixtures.h"
#include "ValueRowsFixture.h"

#include <QVector>

/// A rows x cols block holding entries row-major in a poisoned 32 x 32 store.
inline StoredValue stored(int rows, int cols, const QVector<double> &entries)
{
    StoredValue v(rows, cols, {});
    for (int k = 0; k < entries.size() && cols > 0; ++k)
        v.m[k / cols][k % cols] = entries[k];
    return v;
}

inline StoredValue column(const QVector<double> &x)
{
    return stored(x.size(), 1, x);
}
