#pragma once

#include "operators/OperStatus.h"

#include <initializer_list>

/// A 32 x 32 value store whose leading rows x cols block holds entries row-major; every other
/// cell holds a poison value, so a kernel that reads outside the block shows it.
struct StoredValue {
    ValueRows m;
    int rows;
    int cols;
    StoredValue(int r, int c, std::initializer_list<double> entries, double poison = 7777.0)
        : m(32, QVector<double>(32, poison)), rows(r), cols(c)
    {
        auto it = entries.begin();
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < c && it != entries.end(); ++j)
                m[i][j] = *it++;
    }
    ValueBlock block() const { return ValueBlock{m, rows, cols}; }
};

/// A fresh 32 x 32 output store filled with a marker, to see which cells a kernel writes.
inline ValueRows markedStore(double marker = -4242.0)
{
    return ValueRows(32, QVector<double>(32, marker));
}
