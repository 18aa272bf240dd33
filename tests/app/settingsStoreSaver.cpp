// Another process saving a settings store, for the store's tests:
//   settingsStoreSaver STORE KEY COUNT [USER | qt]
// sets KEY0 .. KEY<COUNT-1> one at a time, each saved at once, as USER when one is named and
// the process may become it, or through Qt's settings class for "qt". Prints "failed N", N the
// saves that answered failure, after "unread: WHY" when the store could not be read; for "qt",
// "read" first, once the class has read the store, and
// saves once its standard input is closed.
//   settingsStoreSaver STORE lock
// takes the store's lock as Qt's settings class does, prints "locked" and holds it until killed.
//   settingsStoreSaver STORE emptylock [SUFFIX]
// makes and flocks the store's lock file (or the one of that name with SUFFIX after it) as Qt's
// lock does before it writes itself into it, and holds it so, empty, printing "locked", until
// killed.
#include "app/SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if ((argc == 3 || argc == 4) && qstrcmp(argv[2], "lock") == 0) {
        QCoreApplication app(argc, argv);
        QLockFile lock(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath() + ".lock" +
                       QString::fromLocal8Bit(argc == 4 ? argv[3] : ""));
        if (!lock.tryLock(0))
            return 4;
        std::printf("locked\n");
        std::fflush(stdout);
        for (;;)
            pause();
    }
    if ((argc == 3 || argc == 4) && qstrcmp(argv[2], "emptylock") == 0) {
        const QByteArray lock =
            QFile::encodeName(QFileInfo(QFile::decodeName(argv[1])).absoluteFilePath() + ".lock" +
                              QFile::decodeName(argc == 4 ? argv[3] : ""));
        const int file = open(lock.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file < 0 || flock(file, LOCK_EX | LOCK_NB) != 0)
            return 4;
        std::printf("locked\n");
        std::fflush(stdout);
        for (;;)
            pause();
    }
    if (argc < 4)
        return 2;
    const bool qt = argc > 4 && qstrcmp(argv[4], "qt") == 0;
    if (argc > 4 && !qt && geteuid() == 0) {
        const passwd *user = getpwnam(argv[4]);
        if (!user || setgroups(0, nullptr) != 0 || setgid(user->pw_gid) != 0 ||
            setuid(user->pw_uid) != 0)
            return 3;
        // A changed user leaves the process undumpable, and the leak checker then cannot
        // inspect it.
        prctl(PR_SET_DUMPABLE, 1);
        // That user's session gives it a temporary folder it may write in, not the caller's.
        const char *temporary = std::getenv("TMPDIR");
        if (temporary && access(temporary, W_OK | X_OK) != 0)
            unsetenv("TMPDIR");
    }
    QCoreApplication app(argc, argv);
    const QString file = QString::fromLocal8Bit(argv[1]), key = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    int failed = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    if (qt) {
        QSettings settings(file, QSettings::IniFormat);
        // Qt's class reads the file here without its lock, and takes the size and time it then
        // stats for that content: a save by another between the two is lost at its next save.
        std::printf("read\n");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        for (int i = 0; i < count; ++i) {
            settings.setValue(key + QString::number(i), i);
            settings.sync();
            failed += settings.status() == QSettings::NoError ? 0 : 1;
        }
    } else {
        SettingsStore store(file);
        if (!store.readError().isEmpty())
            std::printf("unread: %s\n", qPrintable(store.readError()));
        for (int i = 0; i < count; ++i) {
            store.setValue(key + QString::number(i), i);
            failed += store.sync() ? 0 : 1;
        }
    }
    std::fprintf(stderr, "elapsed %lld\n", static_cast<long long>(elapsed.elapsed()));
    std::printf("failed %d\n", failed);
    return 0;
}
