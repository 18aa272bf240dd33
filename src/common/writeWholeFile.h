#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QPainter;

/// Writes bytes as the whole content of the file, or nothing: true only when every byte was
/// written and the file replaced; on any failure the previous file is left intact.
bool writeWholeFile(const QString &fileName, const QByteArray &bytes);

/// Paints one landscape PDF page of the given resolution (dots per inch) with `draw` and writes
/// it through writeWholeFile. Rendered in memory first, because the PDF writer does not report
/// a failed write. False when painting or writing fails.
bool writePdfPage(const QString &fileName, int resolution,
                  const std::function<void(QPainter &)> &draw);
