#include "operators/operSQRT.h"

operSQRT::operSQRT(bool graphical) : EntrywiseMap(&rootOf, true)
{
    initOperator(
        QStringLiteral("SQRT"),
        QStringLiteral(
            "Square root of every term of a vector or matrix. A term below -1e-6 gives the "
            "error Negative argument; a term between -1e-6 and 0 gives 0."),
        QStringLiteral(
            "Square root of every term of a vector or matrix.\n A term below -1e-6 gives "
            "the error Negative argument;\n a term between -1e-6 and 0 gives 0."),
        graphical);
}
