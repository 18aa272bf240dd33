#pragma once

#include "operators/OperatorItem.h"

/// The items giving one entry of argument 1 (required, not empty), read row by row, as a single
/// value; "Not enough values" when it has too few entries.
class PickEntry : public OperatorItem
{
public:
    void recompute() override;

protected:
    /// position from 0, or from the end when negative (-1 is the last entry).
    explicit PickEntry(int position);

private:
    const int position;
};
