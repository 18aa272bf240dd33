#pragma once

#include "operators/OperatorItem.h"

/// The items on one square symmetric matrix, argument 1 required and no other; their messages
/// name a word of their own: "<word> needs a square matrix" and so on.
class SymmetricMatrixOperator : public OperatorItem
{
protected:
    /// symmetric: the spelling of the item's symmetry message ("symetric", "simmetric").
    SymmetricMatrixOperator(const char *word, const char *symmetric);
    /// The order n of argument 1 once checkArguments() and check pass; 0 after the error exit,
    /// whose text is also set at once as the tool tip when the failure is shownAtOnce.
    int checkedOrder(OperStatus (*check)(const ValueBlock &),
                     OperStatus shownAtOnce = OperStatus::Ok);

    OperatorMessages ownMessages;
};
