#pragma once

#include "operators/OperatorItem.h"

/// The items taking one column or one row of argument 1 (required, not empty), its index k the
/// single value of argument 2 (required), counted from 1: "Format error" when argument 2 is not
/// 1 x 1, "Index out of range" when k names no line.
class LineSelection : public OperatorItem
{
public:
    void recompute() override;

protected:
    enum class Line { Column, Row };
    explicit LineSelection(Line line);

private:
    const Line line;
};
