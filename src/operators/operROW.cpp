#include "operators/operROW.h"

operROW::operROW(bool graphical) : LineSelection(Line::Row)
{
    initOperator(
        QStringLiteral("ROW"),
        QStringLiteral(
            "Row k of a matrix A as a row vector, k being the single value of the second "
            "argument, counted from 1. An index that names no row gives the error Index out "
            "of range; an index that is not a single value gives a format error."),
        QStringLiteral(
            "Row k of a matrix A as a row vector,\n k being the single value of the second "
            "argument, counted from 1.\n An index that names no row gives the error Index "
            "out of range; an index that is not a single value gives a format error."),
        graphical);
}
