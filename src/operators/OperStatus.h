#pragma once

#include <QVector>

/// An item's value store: rows of doubles, 32 x 32, of which only a leading block is meaningful.
using ValueRows = QVector<QVector<double>>;

/// Outcome of an operator kernel. Each item turns a code into its own message text once, so no
/// kernel builds a string.
enum class OperStatus {
    Ok,
    ArgumentError,       ///< argument with 0 rows or 0 columns
    NotSquare,           ///< rows differ from columns
    NotMatrix,           ///< a 1 x 1 value where a matrix is needed
    NotSymmetric,        ///< a mirrored pair differs by more than 1e-6
    NotFinite,           ///< an entry is infinite or not a number
    NotPositiveDefinite, ///< a Cholesky pivot is <= 0
    NotVector,           ///< at least 2 x 2 where a vector is needed
    SingleValue,         ///< 1 x 1 where a vector of at least 2 entries is needed
    VectorsNeeded,       ///< at least 2 x 2 where a vector (1 x 1 included) is needed
    SizeDiffer,          ///< the two arguments differ in shape
    DivisionByZero,      ///< a norm product below 1e-6
    ColumnVectorNeeded,  ///< not a column of exactly n entries
    WrongLength,         ///< a vector whose length does not fit the vertex count
    NonPositiveProduct,  ///< an edge whose end values multiply to <= 0 or give no finite result
    FormatError,         ///< shapes that cannot be combined, selected or reshaped as asked
    NegativeArgument,    ///< an entry below -1e-6 where a square root is taken
    NotEnoughValues,     ///< fewer entries than the position asked for
    IndexOutOfRange,     ///< an index that names no row, column or entry
    Degenerate           ///< no spread along the edges: a neutral value, no message (last)
};

/// Leading block of a value store as the operators read it: a view, never a copy.
struct ValueBlock {
    const ValueRows &m;
    int rows;
    int cols;
    double at(int i, int j) const { return m.at(i).at(j); }
    bool empty() const { return rows == 0 || cols == 0; }
    bool isVector() const { return rows == 1 || cols == 1; }
    /// Entry k of a vector: along row 0 when it has two columns or more, else down column 0.
    double vectorAt(int k) const { return cols >= 2 ? m.at(0).at(k) : m.at(k).at(0); }
};
