#pragma once

#include <QByteArray>

/// Writes line and a line end to standard error at once and flushes, so that a diagnostic is
/// never split or held back, whichever thread writes it.
void writeDiagnostic(const QByteArray &line);
