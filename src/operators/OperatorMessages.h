#pragma once

#include "operators/OperStatus.h"

#include <QString>

/// The message texts of one operator item class, one per kernel outcome. A class builds its
/// table once (a function-local static), so a failing computation only copies a shared string.
class OperatorMessages
{
public:
    /// "Argument error" for an empty argument; every other outcome without text until set.
    OperatorMessages();
    OperatorMessages &set(OperStatus status, const char *text);
    const QString &text(OperStatus status) const { return texts[int(status)]; }

    /// The texts of the operators on one square symmetric matrix: "<word> needs a square
    /// matrix", "<word> needs a matrix as argument", "<word> needs a <symmetric> matrix" and
    /// "<word> needs finite entries".
    static OperatorMessages squareSymmetric(const char *word, const char *symmetric);
    /// The texts of the items comparing two values entry by entry: "VECTORS NEEDED", "ARG SIZE
    /// DIFFER" and "NUMERICAL ERROR: DIV by 0".
    static const OperatorMessages &pairOfValues();
    /// The texts of the arithmetic and shaping items: "Format error", "Negative argument",
    /// "Not enough values" and "Index out of range".
    static const OperatorMessages &shaping();

private:
    static const int kCount = int(OperStatus::Degenerate) + 1;
    QString texts[kCount];
};
