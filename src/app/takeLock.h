#pragma once

#include <QString>

class QElapsedTimer;
class QLockFile;

/// Takes a lock file as Qt's settings class does, giving up once `waited` passes a few seconds;
/// false, and why, when it could not; `refused`, when given, set when no lock file may be made
/// there. A lock file left empty by a killed program, once a few seconds old and flocked by
/// nobody, is removed on the way; so is, then or once the lock is taken, a remover's lock file
/// (".rmlock", and its own, however deep the chain) that a killed program left, empty as that or
/// holding the record of a process that has ended. A live holder's or remover's file is left
/// alone, but for one window: Qt's lock makes its file and then flocks it, so a holder stopped
/// for a few seconds or more between the two loses its file (Qt's own rule takes such a file
/// once it is half a minute old).
bool takeLock(QLockFile &lock, const QString &name, const QElapsedTimer &waited, QString &why,
              bool *refused);
