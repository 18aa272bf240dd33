#include "common/readWholeFile.h"

#include <QFile>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

bool readWholeFile(const QString &fileName, QByteArray &bytes, int *error)
{
    bytes.clear();
    const auto fail = [&](int cause) {
        bytes.clear();
        if (error)
            *error = cause;
        return false;
    };
    if (fileName.isEmpty())
        return fail(ENOENT);
    const int file = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return fail(errno);
    const auto closeFile = qScopeGuard([&] { ::close(file); });
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(errno);
        if (got == 0)
            break;
        if (bytes.size() > std::numeric_limits<int>::max() - int(got))
            return fail(EFBIG);
        bytes.append(buffer, int(got));
    }
    // A read that ends early without an error, as from a file cut or grown meanwhile.
    struct stat info;
    if (::fstat(file, &info) != 0)
        return fail(errno);
    if (S_ISREG(info.st_mode) && info.st_size != bytes.size())
        return fail(EIO);
    if (error)
        *error = 0;
    return true;
}

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
