#include "app/takeLock.h"

#include "common/readWholeFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QScopeGuard>
#include <QThread>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

/// Whether a file's last change lies at least a few seconds back: more than Qt's lock takes to
/// write its holder into the file it made, which it does at once, even where a file system keeps
/// times to two seconds; less than a save waits for the lock.
bool oldEnough(const struct stat &info)
{
    timespec now;
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0)
        return false;
    const qint64 nanoseconds = (qint64(now.tv_sec) - qint64(info.st_mtim.tv_sec)) * 1000000000 +
                               (now.tv_nsec - info.st_mtim.tv_nsec);
    return nanoseconds >= qint64(3) * 1000000000;
}

/// Removes a lock file left empty by a program killed between making it and writing itself into
/// it, which Qt's lock takes for held until its stale time; true when it did. A live holder of
/// Qt's lock keeps its file flocked from the moment it made it on, even stopped, so only a file
/// nobody has flocked goes (where the file system has no flock, its age alone tells), and only
/// the one that was found at the name.
bool removeEmptyLock(const QString &name)
{
    const QByteArray path = QFile::encodeName(name);
    struct stat named;
    if (::lstat(path.constData(), &named) != 0 || !S_ISREG(named.st_mode) || named.st_size != 0 ||
        !oldEnough(named))
        return false;
    // Not blocking on a pipe put there meanwhile.
    const int file = ::open(path.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return false;
    const auto closeFile = qScopeGuard([&] { ::close(file); });
    if (::flock(file, LOCK_EX | LOCK_NB) != 0 && errno != ENOLCK && errno != EOPNOTSUPP &&
        errno != EINVAL && errno != ENOSYS)
        return false;
    // One remover at a time, as Qt's lock removes a stale file: another's removal in between
    // could otherwise take a new holder's file for the one it found.
    QLockFile removing(name + QStringLiteral(".rmlock"));
    if (!removing.tryLock(0))
        return false;
    struct stat held;
    return ::fstat(file, &held) == 0 && S_ISREG(held.st_mode) && held.st_size == 0 &&
           oldEnough(held) && ::lstat(path.constData(), &named) == 0 &&
           named.st_dev == held.st_dev && named.st_ino == held.st_ino &&
           ::unlink(path.constData()) == 0;
}

/// Removes a remover's lock file that a program left when it was killed: empty, as above, or
/// holding the record of a process that has ended, which Qt's lock itself takes for stale and
/// removes, flocked by nobody, as it would its own. A file that holds no such record is not
/// one of a lock's. True when it did.
bool removeLeftRemover(const QString &name)
{
    struct stat info;
    if (::lstat(QFile::encodeName(name).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    if (info.st_size == 0)
        return removeEmptyLock(name);
    QLockFile left(name);
    qint64 pid = 0;
    QString host, application;
    if (!left.getLockInfo(&pid, &host, &application) || !left.tryLock(0))
        return false;
    left.unlock();
    return true;
}

/// Removes what removers of the lock file `name` left when they were killed: its ".rmlock", and
/// that one's own remover's, however deep the chain goes (a remover killed while it clears one
/// leaves one more); a live remover's is left alone. True when one went.
bool removeLeftRemovers(const QString &name)
{
    const QString suffix = QStringLiteral(".rmlock");
    // A level may be gone where one below it stays (its remover, killed, had removed it), so
    // every length of the chain is looked at, up to the longest name a folder takes (64 levels
    // are past any such limit).
    QString deepest = name, remover = name;
    for (int level = 0; level < 64; ++level) {
        remover += suffix;
        struct stat info;
        if (::lstat(QFile::encodeName(remover).constData(), &info) == 0)
            deepest = remover;
        else if (errno == ENAMETOOLONG)
            break;
    }
    // Deepest first: a remover's leftover of its own would keep it from being removed.
    bool removed = false;
    for (QString remover = deepest; remover.size() > name.size(); remover.chop(suffix.size()))
        removed = removeLeftRemover(remover) || removed;
    return removed;
}

} // namespace

bool takeLock(QLockFile &lock, const QString &name, const QElapsedTimer &waited, QString &why,
              bool *refused)
{
    // Qt's own wait doubles a pause of a tenth of a second, where another instance holds the
    // store for milliseconds. The lock clears a holder that has ended; a live one, even stopped,
    // keeps it however long, its stale time notwithstanding. So a save gives up after a few
    // seconds, and is reported with its values kept for the next, rather than freeze the window.
    // A lock that cannot be made at all (no permission) fails at once. A lock file left empty by
    // a kill would stand for the stale time, half a minute, where nobody holds it.
    while (!lock.tryLock(0)) {
        // Read at once: the failed call of Qt's class is the last to set it.
        const int cause = errno;
        if (lock.error() == QLockFile::PermissionError) {
            if (refused)
                *refused = true;
            why = QStringLiteral("its lock file %1 could not be made: %2")
                      .arg(name, systemErrorText(cause == EROFS ? EROFS : EACCES));
            return false;
        }
        if (lock.error() != QLockFile::LockFailedError) {
            why = QStringLiteral("its lock file %1 could not be made").arg(name);
            return false;
        }
        // What a killed program left may stand in the lock's way: its empty lock file, or the
        // remover's lock that Qt's lock needs to clear a stale one.
        if (removeEmptyLock(name) || removeLeftRemovers(name))
            continue;
        if (waited.hasExpired(5000)) {
            why = QStringLiteral("another program holds its lock file %1").arg(name);
            return false;
        }
        QThread::msleep(5);
    }
    // No record of a program that ended stays beside the lock.
    removeLeftRemovers(name);
    return true;
}
