#pragma once

#include <QString>

class QElapsedTimer;
class QLockFile;

/// Takes a lock file as Qt's settings class does, giving up once `waited` passes a few seconds;
/// false, and why, when it could not; `refused`, when given, set when no lock file may be made
/// there.
bool takeLock(QLockFile &lock, const QString &name, const QElapsedTimer &waited, QString &why,
              bool *refused);
