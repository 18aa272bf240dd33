#include "common/writeDiagnostic.h"

#include <cstdio>

void writeDiagnostic(const QByteArray &line)
{
    const QByteArray whole = line + '\n';
    std::fwrite(whole.constData(), 1, size_t(whole.size()), stderr);
    std::fflush(stderr);
}
