#pragma once

#include <QByteArray>
#include <QString>

/// The bytes of a file, all of them: true only when it was read to its end and as many bytes
/// came back as it holds. Qt's file class takes a read that fails part way for the end of the
/// file, and a program that writes what it read over that file would then lose the rest. On
/// failure `bytes` is empty and `error`, when given, holds the system's error number: ENOENT
/// when there is no file, EIO when the read stopped short of the file's size.
bool readWholeFile(const QString &fileName, QByteArray &bytes, int *error = nullptr);

/// The system's text for an error number ("Permission denied", "Input/output error").
QString systemErrorText(int error);
