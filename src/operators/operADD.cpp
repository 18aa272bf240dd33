#include "operators/operADD.h"

operADD::operADD(bool graphical) : BroadcastOperator(2, &plusOf)
{
    initOperator(
        QStringLiteral("+"),
        QStringLiteral(
            "Sum of two matrices of the same size, term by term. A single value (1 x 1) is "
            "combined with every term of the other argument; any other pair of sizes gives "
            "a format error."),
        QStringLiteral(
            "Sum of two matrices of the same size, term by term.\n A single value (1 x 1) "
            "is combined with every term of the other argument;\n any other pair of sizes "
            "gives a format error."),
        graphical);
}
