#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

/// Whole files, for tests that check what a writer left on disk.
namespace fileBytes
{
/// The bytes of the file; empty when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// Makes the file these bytes; false when they were not all written.
inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace fileBytes
