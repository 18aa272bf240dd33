#include "operators/operSUBSTRACT.h"

operSUBSTRACT::operSUBSTRACT(bool graphical) : BroadcastOperator(2, &minusOf)
{
    initOperator(
        QStringLiteral("-"),
        QStringLiteral(
            "Difference of two matrices of the same size, term by term: argument 1 minus "
            "argument 2. A single value (1 x 1) is combined with every term of the other "
            "argument; any other pair of sizes gives a format error."),
        QStringLiteral(
            "Difference of two matrices of the same size, term by term: argument 1 minus "
            "argument 2.\n A single value (1 x 1) is combined with every term of the other "
            "argument;\n any other pair of sizes gives a format error."),
        graphical);
}
