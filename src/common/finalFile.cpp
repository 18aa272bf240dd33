#include "common/finalFile.h"

#include <QFileInfo>

QString finalFile(const QString &fileName)
{
    QFileInfo file(fileName);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? fileName : file.absoluteFilePath();
}
