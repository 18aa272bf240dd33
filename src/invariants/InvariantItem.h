#pragma once

#include "items/Invariant.h"

/// Base of the keyword invariants: the shape of the value fixes the symbolic dimensions and,
/// unless the keyword says otherwise, how its dialog offers the value to the explorer.
class InvariantItem : public Invariant
{
protected:
    enum class Shape {
        Value,  ///< 1 x 1
        Vertex, ///< n x 1
        Matrix  ///< n x n
    };
    explicit InvariantItem(Shape shape);
    /// The display items (vertex or edge marks) are offered as one value per graph.
    InvariantItem(Shape shape, Report report);

    /// Called by the keyword's constructor; the dialog is built only when graphical.
    void initInvariant(const QString &keyword, const QString &latex, const QString &text,
                       bool graphical);
    /// The same where the LaTeX and the plain description are one text.
    void initInvariant(const QString &keyword, const QString &doc, bool graphical);

    /// What recompute() writes to standard error when it is reached without a graph; most
    /// items write nothing.
    const char *noGraphLine = nullptr;

private:
    const Report report;
};
