#pragma once

#include <QByteArray>
#include <QString>

/// Writes bytes as the whole content of the file, or nothing: true only when every byte was
/// written and the file replaced; on any failure the previous file is left intact.
bool writeWholeFile(const QString &fileName, const QByteArray &bytes);
