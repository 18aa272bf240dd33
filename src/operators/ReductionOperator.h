#pragma once

#include "operators/OperatorItem.h"

/// The items reducing argument 1 (required, not empty) as a whole to one value (sums, extremes,
/// counts, variance), or column by column to a row, or row by row to a column; the success
/// label is the keyword.
class ReductionOperator : public OperatorItem
{
public:
    void recompute() override;

protected:
    using Whole = double (*)(const ValueBlock &);
    /// Writes one result per line into row 0 (columns) or column 0 (rows) of the store.
    using PerLine = void (*)(const ValueBlock &, ValueRows &);
    enum class Along { Columns, Rows };
    explicit ReductionOperator(Whole whole);
    ReductionOperator(Along along, PerLine perLine);

private:
    const Whole whole = nullptr;
    const PerLine perLine = nullptr;
    const Along along = Along::Columns;
};
