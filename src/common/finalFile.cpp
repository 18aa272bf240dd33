#include "common/finalFile.h"

#include <QFile>

#include <climits>
#include <cstdlib>
#include <unistd.h>

QString finalFile(const QString &fileName)
{
    QString name = fileName;
    for (int depth = 0; depth < 128; ++depth) {
        const int slash = name.lastIndexOf(QLatin1Char('/'));
        const QString leaf = name.mid(slash + 1);
        if (leaf.isEmpty() || leaf == QLatin1String(".") || leaf == QLatin1String(".."))
            return name;
        const QByteArray folderText = slash < 0    ? QByteArray(".")
                                      : slash == 0 ? QByteArray("/")
                                                   : QFile::encodeName(name.left(slash));
        char *real = ::realpath(folderText.constData(), nullptr);
        if (!real)
            return name;
        QString folder = QFile::decodeName(real);
        std::free(real);
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        const QString file = folder + leaf;
        char target[PATH_MAX];
        const ssize_t size = ::readlink(QFile::encodeName(file).constData(), target, sizeof target);
        // Not a link, or nothing there yet: the file a save makes or replaces.
        if (size < 0 || size == ssize_t(sizeof target))
            return file;
        const QString next = QFile::decodeName(QByteArray(target, int(size)));
        // Relative to the link's folder as the system reached it, kept as text for it to follow.
        name = next.startsWith(QLatin1Char('/')) ? next : folder + next;
    }
    return fileName;
}
