#include "common/writeWholeFile.h"

#include "common/finalFile.h"
#include "common/readWholeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>

void failWritesPastFileSizeLimit()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

bool writeAllBytes(QFileDevice &file, const QByteArray &bytes)
{
    // A write cut short by a file size limit or a full disk says nothing; the next one says why.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 wrote = file.write(bytes.constData() + done, bytes.size() - done);
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

bool writeWholeFile(const QString &fileName, const QByteArray &bytes, QString *error)
{
    // Its links followed as the system follows them: Qt's save file takes ".." off as text.
    QSaveFile file(finalFile(fileName));
    const auto fail = [&] {
        // Qt words a folder its own way; the system's words name every other cause.
        if (error)
            *error = fileName.isEmpty()            ? systemErrorText(ENOENT)
                     : QFileInfo(fileName).isDir() ? systemErrorText(EISDIR)
                                                   : file.errorString();
        return false;
    };
    if (fileName.isEmpty())
        return fail();
    // Unbuffered, so a short write (file size limit, full disk) shows in the count: a buffered
    // save file can commit a truncated file as a success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail();
    if (!writeAllBytes(file, bytes)) {
        const QString cause = file.errorString();
        file.cancelWriting();
        if (error)
            *error = cause;
        return false;
    }
    return file.commit() || fail();
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
    QByteArray bytes;
    if (!readWholeFile(aside, bytes))
        return false;
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
