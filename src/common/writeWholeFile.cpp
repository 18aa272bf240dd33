#include "common/writeWholeFile.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
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

bool writePdfPage(const QString &fileName, int resolution,
                  const std::function<void(QPainter &)> &draw)
{
    if (fileName.isEmpty())
        return false;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(resolution);
        pdf.setPageOrientation(QPageLayout::Landscape);
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        draw(painter);
        if (!painter.end())
            return false;
    }
    return writeWholeFile(fileName, buffer.data());
}
