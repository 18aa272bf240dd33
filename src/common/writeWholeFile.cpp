#include "common/writeWholeFile.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryDir>

#include <csignal>

void failWritesPastFileSizeLimit()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

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

bool printWhole(QPrinter &printer, const std::function<void(QPrinter &)> &print)
{
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty()) {
        print(printer);
        return printer.printerState() != QPrinter::Error;
    }
    QTemporaryDir dir;
    if (!dir.isValid())
        return false;
    const QString aside = dir.filePath(QStringLiteral("print.pdf"));
    printer.setOutputFileName(aside);
    print(printer);
    printer.setOutputFileName(target);
    if (printer.printerState() == QPrinter::Error)
        return false;
    QFile file(aside);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    // The writer ends every document it completes so; a short write cuts that off.
    return bytes.trimmed().endsWith("%%EOF") && writeWholeFile(target, bytes);
}

bool printPainted(QPrinter &printer, const std::function<void(QPainter &)> &draw)
{
    bool painted = false;
    const bool whole = printWhole(printer, [&](QPrinter &device) {
        QPainter painter;
        if (!painter.begin(&device))
            return;
        draw(painter);
        painted = painter.end();
    });
    return painted && whole;
}
