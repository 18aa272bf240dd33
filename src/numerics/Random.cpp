#include "Random.h"
#include "common/writeDiagnostic.h"

#include <QtGlobal>

double mvx_rand()
{
    return qrand() / 2147483647.0;
}

int mvx_rand(int n)
{
    if (n < 1)
        return 0;
    const int k = static_cast<int>(n * mvx_rand());
    if (k < n)
        return k;
    // Only the largest draw (exactly 1.0) lands here.
    writeDiagnostic("ERROR IN MVX_RAND(int)");
    return n - 1;
}

bool is_odd(int n)
{
    return (static_cast<unsigned>(n) & 1u) != 0;
}
