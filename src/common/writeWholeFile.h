#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QFileDevice;
class QPainter;
class QPrinter;

/// Makes a write past the process's file size limit (`ulimit -f`, RLIMIT_FSIZE) fail as on a full
/// disk instead of ending the process with SIGXFSZ, which would lose the unsaved work and leave a
/// partial print in the temporary folder: ignores that signal, for the whole process. The writers
/// below then see the short write and report it. Run by the application shell at its start-up
/// (WorkingState::restore); does nothing where the signal does not exist.
void failWritesPastFileSizeLimit();

/// Writes every byte to an open file, on through short writes: false when a write fails, the
/// file's errorString then saying why in the system's words ("File too large").
bool writeAllBytes(QFileDevice &file, const QByteArray &bytes);

/// Writes bytes as the whole content of the file, or nothing: true only when every byte was
/// written and the file replaced; on any failure the previous file is left intact and `error`,
/// when given, says why in the system's words ("No space left on device").
bool writeWholeFile(const QString &fileName, const QByteArray &bytes, QString *error = nullptr);

/// Paints one landscape PDF page of the given resolution (dots per inch) with `draw` and writes
/// it through writeWholeFile. Rendered in memory first, because the PDF writer does not report
/// a failed write. False when painting or writing fails.
bool writePdfPage(const QString &fileName, int resolution,
                  const std::function<void(QPainter &)> &draw);

/// Runs `print`, which paints onto the printer it is handed, and tells whether the output is
/// complete: false when the printer reports an error (a painter that could not begin included)
/// or, for PDF output to a file, when the file could not be written whole, the previous file
/// then intact. That file is printed aside first and written through writeWholeFile, because
/// the printer does not notice a short write.
bool printWhole(QPrinter &printer, const std::function<void(QPrinter &)> &print);

/// printWhole for one painting with `draw`; false also when the painter cannot begin or end.
bool printPainted(QPrinter &printer, const std::function<void(QPainter &)> &draw);
