// Another process saving a settings store, for the store's tests:
//   settingsStoreSaver STORE KEY COUNT [USER]
// sets KEY0 .. KEY<COUNT-1> one at a time, each saved at once, as USER when one is named and
// the process may become it. Prints "failed N", N the saves that answered failure.
#include "app/SettingsStore.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 4)
        return 2;
    if (argc > 4 && geteuid() == 0) {
        const passwd *user = getpwnam(argv[4]);
        if (!user || setgroups(0, nullptr) != 0 || setgid(user->pw_gid) != 0 ||
            setuid(user->pw_uid) != 0)
            return 3;
        // A changed user leaves the process undumpable, and the leak checker then cannot
        // inspect it.
        prctl(PR_SET_DUMPABLE, 1);
    }
    QCoreApplication app(argc, argv);
    int failed = 0;
    {
        SettingsStore store(QString::fromLocal8Bit(argv[1]));
        const int count = std::atoi(argv[3]);
        for (int i = 0; i < count; ++i) {
            store.setValue(QString::fromLocal8Bit(argv[2]) + QString::number(i), i);
            failed += store.sync() ? 0 : 1;
        }
    }
    std::printf("failed %d\n", failed);
    return 0;
}
