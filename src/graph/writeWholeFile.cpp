#include "graph/writeWholeFile.h"

#include <QSaveFile>

bool writeWholeFile(const QString &fileName, const QByteArray &bytes)
{
    if (fileName.isEmpty())
        return false;
    QSaveFile file(fileName);
    // Unbuffered, so a short write (file size limit, full disk) shows in the count: a buffered
    // save file can commit a truncated file as a success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
