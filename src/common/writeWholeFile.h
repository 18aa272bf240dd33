#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;

/// Writes bytes as the whole content of the file, or nothing: true only when every byte was
/// written and the file replaced; on any failure the previous file is left intact.
bool writeWholeFile(const QString &fileName, const QByteArray &bytes);

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
