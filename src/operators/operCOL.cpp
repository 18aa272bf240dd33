#include "operators/operCOL.h"

operCOL::operCOL(bool graphical) : LineSelection(Line::Column)
{
    initOperator(
        QStringLiteral("COLUMN"),
        QStringLiteral(
            "Column k of a matrix A as a column vector, k being the single value of the "
            "second argument, counted from 1. An index that names no column gives the error "
            "Index out of range; an index that is not a single value gives a format error."),
        QStringLiteral(
            "Column k of a matrix A as a column vector,\n k being the single value of the "
            "second argument, counted from 1.\n An index that names no column gives the "
            "error Index out of range; an index that is not a single value gives a format error."),
        graphical);
}
