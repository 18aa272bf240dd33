#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "NoFlock.h"
#include "Patience.h"
#include "ReadCutShort.h"
#include "StderrCapture.h"
#include "SwappedAtRemoval.h"
#include "VfatLike.h"

#include "app/SettingsStore.h"
#include "app/takeLock.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QStringList entries(const QString &folder)
{
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

/// An INI file as Qt's settings class writes it with these keys.
QByteArray writtenByQt(const QVariantMap &values)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("qt.ini");
    {
        QSettings qt(file, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            qt.setValue(it.key(), it.value());
    }
    return fileBytes::readAll(file);
}

/// Starts another process saving keys of the store one at a time; as `user` when the test may
/// become that user.
std::unique_ptr<QProcess> startSaver(const QString &store, const QString &key, int count,
                                     const QString &user = QString())
{
    std::unique_ptr<QProcess> saver(new QProcess);
    QStringList args{store, key, QString::number(count)};
    if (!user.isEmpty())
        args << user;
    saver->start(QStringLiteral(SETTINGS_STORE_SAVER), args);
    return saver;
}

/// Ends a saver holding a lock, stopped or not; true once it has ended.
bool endHolder(QProcess &holder)
{
    if (holder.state() == QProcess::NotRunning)
        return true;
    holder.kill();
    kill(pid_t(holder.processId()), SIGCONT);
    return holder.waitForFinished(kPatienceMs);
}

/// All a saver said, once it ended.
QByteArray saverOutput(QProcess &saver)
{
    saver.closeWriteChannel();
    if (!saver.waitForFinished(120000) || saver.exitStatus() != QProcess::NormalExit ||
        saver.exitCode() != 0)
        return "saver failed: " + saver.readAllStandardError();
    return saver.readAllStandardOutput().trimmed();
}

/// How long a saver's read and saves took, in milliseconds, once it ended; -1 when it did not say.
qint64 saverElapsed(QProcess &saver)
{
    const QRegularExpressionMatch said =
        QRegularExpression("elapsed (\\d+)").match(saver.readAllStandardError());
    return said.hasMatch() ? said.captured(1).toLongLong() : -1;
}

/// The names of a folder's snapshot that are not as they were `before`: new, changed or gone.
QStringList notAsBefore(const QMap<QString, QByteArray> &before, const QMap<QString, QByteArray> &now)
{
    QStringList names;
    for (const QString &name : before.keys() + now.keys())
        if (before.value(name) != now.value(name) && !names.contains(name))
            names << name;
    return names;
}

/// What a saver said of its saves, once it ended.
QByteArray saverResult(QProcess &saver)
{
    const QByteArray said = saverOutput(saver);
    return said.mid(said.lastIndexOf('\n') + 1);
}

/// Whether a user other than the owner may pass through every folder down to `path`.
bool othersPass(const QString &path)
{
    for (QDir folder(QFileInfo(path).canonicalFilePath());; folder.cdUp()) {
        struct stat info;
        if (stat(QFile::encodeName(folder.path()).constData(), &info) != 0 ||
            !(info.st_mode & S_IXOTH))
            return false;
        if (folder.isRoot())
            return true;
    }
}

/// A new folder another user can reach; none when there is none to be had. The temporary folder
/// may be private to the user, as on a machine that gives each its own.
std::unique_ptr<QTemporaryDir> folderOthersReach()
{
    for (const QString &parent : {QDir::tempPath(), QStringLiteral("/tmp"),
                                  QStringLiteral("/var/tmp"), QStringLiteral("/dev/shm")}) {
        if (!othersPass(parent))
            continue;
        std::unique_ptr<QTemporaryDir> dir(
            new QTemporaryDir(parent + QStringLiteral("/tst_SettingsStore-XXXXXX")));
        if (dir->isValid())
            return dir;
    }
    return nullptr;
}

/// What a folder holds, down to the bytes: each entry's kind and content, links by where they
/// lead; `skipped` names left out.
QMap<QString, QByteArray> snapshot(const QString &folder, const QStringList &skipped = {})
{
    QMap<QString, QByteArray> held;
    for (const QFileInfo &entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot)) {
        if (skipped.contains(entry.fileName()))
            continue;
        if (entry.isSymLink()) {
            held.insert(entry.fileName(), "link to " + QFile::encodeName(entry.symLinkTarget()));
        } else if (entry.isDir()) {
            const QMap<QString, QByteArray> inside = snapshot(entry.filePath(), skipped);
            for (auto it = inside.cbegin(); it != inside.cend(); ++it)
                held.insert(entry.fileName() + "/" + it.key(), it.value());
            held.insert(entry.fileName() + "/", "folder");
        } else {
            held.insert(entry.fileName(), "file " + fileBytes::readAll(entry.filePath()));
        }
    }
    return held;
}

/// Puts beside `base` in its folder a user's files named as a save's leftovers might be: the
/// name, a dot and six letters, or an earlier version's names; files, folders and a link.
void plantLookAlikes(const QString &base)
{
    for (const char *suffix : {"OldOne", "MyCopy", "BackUp", "GitHub", "tAujtV", "backup"})
        QVERIFY(fileBytes::writeAll(base + "." + suffix, QByteArray("mine ") + suffix));
    const QList<QPair<const char *, const char *>> folders{
        {"ABCdef", "store"}, {"MyData", "read"}, {"EmptyD", nullptr}, {"Notes1", "notes.txt"}};
    for (const auto &folder : folders) {
        QVERIFY(QDir().mkdir(base + "." + folder.first));
        if (folder.second)
            QVERIFY(fileBytes::writeAll(base + "." + folder.first + "/" + folder.second, "mine"));
    }
    QVERIFY(QFile::link(base + ".MyCopy", base + ".LinkMe"));
}

/// Whether the file system refuses here what vfat refuses: links, modes, unnamed temporaries.
bool refusesAsVfat(const QString &folder)
{
    const QString file = folder + "/probe";
    const bool refused = fileBytes::writeAll(file, "probe") && !QFile::link(file, file + ".link") &&
                         !QFile::setPermissions(file, QFile::ReadOwner) &&
                         open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR, 0600) < 0;
    QFile::remove(file);
    QFile::remove(file + ".link");
    return refused;
}

/// A new folder for a store another user saves: as root, one that user can reach, and the user
/// "nobody"; otherwise a folder of the test's own, saved as itself. None, and why, when there
/// is no such user or folder.
std::unique_ptr<QTemporaryDir> folderForOtherUser(QString &user, QByteArray &none)
{
    if (geteuid() != 0)
        return std::unique_ptr<QTemporaryDir>(new QTemporaryDir);
    user = "nobody";
    if (!getpwnam("nobody")) {
        none = "No user other than root to save as.";
        return nullptr;
    }
    std::unique_ptr<QTemporaryDir> dir = folderOthersReach();
    if (!dir)
        none = "No folder that a user other than root can reach.";
    return dir;
}

/// Gives a file to the user the store's saves run as, when that is another.
bool giveTo(const QString &user, const QString &file)
{
    const passwd *owner = user.isEmpty() ? nullptr : getpwnam(qPrintable(user));
    return !owner || chown(QFile::encodeName(file).constData(), owner->pw_uid, owner->pw_gid) == 0;
}

/// Makes a file's last change `milliseconds` back.
bool ageFile(const QString &path, qint64 milliseconds)
{
    timespec now;
    if (clock_gettime(CLOCK_REALTIME, &now) != 0)
        return false;
    const qint64 then = qint64(now.tv_sec) * 1000000000 + now.tv_nsec - milliseconds * 1000000;
    now.tv_sec = time_t(then / 1000000000);
    now.tv_nsec = long(then % 1000000000);
    const timespec times[2] = {now, now};
    return utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

} // namespace

/// A value with no stream operators, which no INI file can hold.
struct Opaque {
    int data = 0;
};
Q_DECLARE_METATYPE(Opaque)

/// Qt's settings class reads the store as an independent reader, and wrote the stores of
/// earlier versions.
class tst_SettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void sameFileAsQt_data();
    void sameFileAsQt();
    void otherWritersKept();
    void failedSaveKeepsStore_data();
    void failedSaveKeepsStore();
    void storePastFileSizeLimit();
    void readCutShortKeepsStore_data();
    void readCutShortKeepsStore();
    void firstReadCutShort();
    void linkStaysLink_data();
    void linkStaysLink();
    void unreadableStoreKept();
    void concurrentSavesKept_data();
    void concurrentSavesKept();
    void valuesQtReadsOtherwise_data();
    void valuesQtReadsOtherwise();
    void keysNoNameReachesLeftOut_data();
    void keysNoNameReachesLeftOut();
    void unstorableValueDropped();
    void savedWithoutTemporaryFolder();
    void fallbacksAndKeyNames();
    void usersFilesKept();
    void foreignEntryOfFolderNameKept_data();
    void foreignEntryOfFolderNameKept();
    void swappedFolderEmptiedInPlace();
    void killedSavesLeaveOnlyTheStore_data();
    void killedSavesLeaveOnlyTheStore();
    void readOnlyStoreKept_data();
    void readOnlyStoreKept();
    void lockWithoutPermissionFailsAtOnce();
    void emptyLockFileOfEndedProgram_data();
    void emptyLockFileOfEndedProgram();
    void leftRemoversRemoved_data();
    void leftRemoversRemoved();
    void lockTakenOverLeftFile_data();
    void lockTakenOverLeftFile();
    void laterSaveKeepsNewerValue();
    void stoppedLockHolderWaitedForBriefly();
};

void tst_SettingsStore::sameFileAsQt_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("text") << "problem" << QVariant("A\tB<NEW>C=D;E \"F\" \\ é\n");
    QTest::newRow("number") << "runs" << QVariant(42);
    QTest::newRow("truth") << "reload" << QVariant(false);
    QTest::newRow("grouped key") << "user/notes" << QVariant(QString(5000, 'n'));
}

void tst_SettingsStore::sameFileAsQt()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QTemporaryDir dir;
    const QString oldStore = dir.filePath("old.ini"), newStore = dir.filePath("new.ini");
    {
        QSettings qt(oldStore, QSettings::IniFormat);
        qt.setValue("wd", dir.path());
        qt.setValue(key, value);
    }
    // A store Qt wrote loads as Qt reads it, and is saved again as Qt would write it.
    const QVariant expected = QSettings(oldStore, QSettings::IniFormat).value(key);
    SettingsStore loaded(oldStore);
    QCOMPARE(loaded.value(key), expected);
    QCOMPARE(loaded.value("wd").toString(), dir.path());
    SettingsStore written(newStore);
    written.setValue("wd", dir.path());
    written.setValue(key, value);
    QVERIFY(written.sync());
    QCOMPARE(fileBytes::readAll(newStore), fileBytes::readAll(oldStore));
    QCOMPARE(QSettings(newStore, QSettings::IniFormat).value(key), expected);
}

void tst_SettingsStore::otherWritersKept()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("sub/settings.ini");
    SettingsStore first(file);
    {
        // Saved as it goes, with nobody asking.
        SettingsStore second(file);
        second.setValue("other", "theirs");
    }
    first.setValue("mine", 7);
    QVERIFY(first.sync());
    QSettings reader(file, QSettings::IniFormat);
    QCOMPARE(reader.value("other").toString(), QString("theirs"));
    QCOMPARE(reader.value("mine").toInt(), 7);
    QCOMPARE(first.value("other").toString(), QString("theirs"));
}

/// The store failedSaveKeepsStore saves under its size limit, with `key` made `after`.
QVariantMap savedUnderLimit(const QString &key, const QVariant &after, const QVariantMap &others)
{
    QVariantMap values = others;
    values.insert("wd", "/elsewhere");
    values.insert("reload", false);
    values.insert(key, after);
    return values;
}

void tst_SettingsStore::failedSaveKeepsStore_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QVariant>("after");
    QTest::addColumn<QVariantMap>("others");
    QTest::addColumn<bool>("vfatLike");
    constexpr int limit = 2048;
    QStringList recent;
    for (int i = 0; i < 250; ++i)
        recent << QStringLiteral("/home/u/g%1.g6").arg(i);
    const QStringList fewer = recent.mid(0, 90);
    const QVariantMap none;
    // A store already past the limit, and writes cut off past it inside the value, some where
    // the cut text still reads as a value.
    QTest::newRow("store past the limit") << "user/notes" << QVariant(QString(3000, 'n'))
                                          << QVariant(QString(3000, 'm')) << none << false;
    // Its copy cut, the store would lose a key and shrink to fit.
    QTest::newRow("store past the limit, shrunk")
        << "a" << QVariant(QString(1500, 'n')) << QVariant("x")
        << QVariantMap{{"z", QString(1500, 'z')}} << false;
    QTest::newRow("note cut") << "user/notes" << QVariant(QString(1400, 'n'))
                              << QVariant(QString(3000, 'n')) << none << false;
    QTest::newRow("note cut, vfat-like") << "user/notes" << QVariant(QString(1400, 'n'))
                                         << QVariant(QString(3000, 'n')) << none << true;
    QTest::newRow("geometry cut after a ')', vfat-like")
        << "window/geometry" << QVariant(QByteArray(1400, ')')) << QVariant(QByteArray(3000, ')'))
        << none << true;
    QTest::newRow("long list cut, vfat-like")
        << "files/recent" << QVariant(fewer) << QVariant(recent) << none << true;
    // Whether the text Qt's settings class writes for these values is longer than the limit and
    // holds `c` at `at`.
    const auto holdsAt = [](const QVariantMap &values, int at, char c) {
        const QByteArray text = writtenByQt(values);
        return text.size() > limit && text.at(at) == c;
    };
    // Cut where a line ends: the keys after it missing.
    int length = limit - 40;
    while (!holdsAt(savedUnderLimit("a", QString(length, 'n'), none), limit - 1, '\n'))
        ++length;
    QTest::newRow("cut between keys")
        << "a" << QVariant("x") << QVariant(QString(length, 'n')) << none << false;
    // Cut where an item ends: the list read back shorter.
    QStringList padded = recent;
    while (!holdsAt(savedUnderLimit("files/recent", padded, none), limit, ','))
        padded.first() += 'x';
    QTest::newRow("list cut between items")
        << "files/recent" << QVariant(fewer) << QVariant(padded) << none << false;
}

/// A store larger than the file size limit: its read, which writes a copy, fails and is said,
/// as does a save; the program goes on, the store left as it was.
void tst_SettingsStore::storePastFileSizeLimit()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    const QVariantMap stored{{"problem", QString(8192, 'p')}, {"wd", "/here"}};
    QVERIFY(fileBytes::writeAll(file, writtenByQt(stored)));
    const QByteArray bytes = fileBytes::readAll(file);
    {
        // The signal as the program finds it: no test harness ignores it for the store.
        FileSizeLimit limit(bytes.size() / 2, FileSizeLimit::KeepSignal);
        QVERIFY(limit.ok);
        SettingsStore store(file);
        QVERIFY(!store.readError().isEmpty());
        QVERIFY(!store.reread() && !store.readError().isEmpty());
    }
    QCOMPARE(fileBytes::readAll(file), bytes);
    SettingsStore store(file);
    QVERIFY2(store.readError().isEmpty(), qPrintable(store.readError()));
    QCOMPARE(store.value("problem").toString(), stored["problem"].toString());
    {
        FileSizeLimit limit(bytes.size() / 2, FileSizeLimit::KeepSignal);
        store.setValue("wd", "/elsewhere");
        QVERIFY(!store.sync());
    }
    QCOMPARE(fileBytes::readAll(file), bytes);
    QVERIFY(store.sync());
    QCOMPARE(SettingsStore(file).value("wd").toString(), QString("/elsewhere"));
}

void tst_SettingsStore::failedSaveKeepsStore()
{
    QFETCH(QString, key);
    QFETCH(QVariant, before);
    QFETCH(QVariant, after);
    QFETCH(QVariantMap, others);
    QFETCH(bool, vfatLike);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    QVariantMap stored = others;
    stored.insert("wd", "/here");
    stored.insert("reload", false);
    stored.insert(key, before);
    QVERIFY(fileBytes::writeAll(file, writtenByQt(stored)));
    std::unique_ptr<VfatLike> refusing(vfatLike ? new VfatLike : nullptr);
    QCOMPARE(refusesAsVfat(dir.path()), vfatLike);
    SettingsStore store(file);
    QCOMPARE(store.value(key), before);
    const QByteArray bytes = fileBytes::readAll(file);
    const QStringList files = entries(dir.path());
    {
        FileSizeLimit limit(2048);
        QVERIFY(limit.ok);
        store.setValue(key, after);
        store.setValue("wd", "/elsewhere");
        QVERIFY(!store.sync());
        QCOMPARE(fileBytes::readAll(file), bytes);
    }
    QCOMPARE(entries(dir.path()), files);
    // A folder in the store's place for a while: the store that comes back, of the same size and
    // time as before, is read again rather than taken for the folder's nothing.
    QDir folder(dir.path());
    QVERIFY(folder.rename("settings.ini", "away") && folder.mkdir("settings.ini"));
    QVERIFY(!store.sync());
    QVERIFY(folder.rmdir("settings.ini") && folder.rename("away", "settings.ini"));
    QCOMPARE(entries(dir.path()), files);
    // What failed is saved by the next save that can be made.
    QVERIFY(store.sync());
    QCOMPARE(entries(dir.path()), files);
    QSettings reader(file, QSettings::IniFormat);
    QCOMPARE(reader.value("wd").toString(), QString("/elsewhere"));
    QCOMPARE(reader.value("reload").toBool(), false);
    QCOMPARE(reader.value(key), after);
    for (auto it = others.cbegin(); it != others.cend(); ++it)
        QCOMPARE(reader.value(it.key()), it.value());
}

void tst_SettingsStore::readCutShortKeepsStore_data()
{
    QTest::addColumn<QString>("cutFile");
    QTest::addColumn<QByteArray>("lastLine"); // by hand, without a line end
    QTest::newRow("the store") << "/settings\\.ini$" << QByteArray();
    QTest::newRow("the store's copy") << "/settings\\.ini\\.saving/[0-9]+\\.ini$" << QByteArray();
    QTest::newRow("the store written") << "\\.written$" << QByteArray();
    // A quote added to close the line would be escaped, and the copy it closes read whole.
    QTest::newRow("the copy, a line end escaped")
        << "/settings\\.ini\\.saving/[0-9]+\\.ini$" << QByteArray("note=abc\\");
    // A quote outside a value drops its line, the end key with it, in a copy cut short as well.
    QTest::newRow("the copy, a quote in a key")
        << "/settings\\.ini\\.saving/[0-9]+\\.ini$" << QByteArray("x\"=1");
    QTest::newRow("the copy, a quote opening a line")
        << "/settings\\.ini\\.saving/[0-9]+\\.ini$" << QByteArray("\"note=abc");
}

void tst_SettingsStore::readCutShortKeepsStore()
{
    QFETCH(QString, cutFile);
    QFETCH(QByteArray, lastLine);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    QVariantMap stored{
        {"wd", dir.path()}, {"problem", QString(200, 'p')}, {"graph", QString(200, 'g')}};
    QVERIFY(fileBytes::writeAll(file, writtenByQt(stored) + lastLine));
    {
        QSettings inPlace(file, QSettings::IniFormat);
        for (const QString &key : inPlace.allKeys())
            stored.insert(key, inPlace.value(key));
    }
    const QByteArray bytes = fileBytes::readAll(file);
    SettingsStore store(file);
    store.setValue("runs", 5);
    {
        ReadCutShort cut(cutFile, 40);
        QVERIFY(!store.sync());
    }
    QCOMPARE(fileBytes::readAll(file), bytes);
    QCOMPARE(entries(dir.path()), QStringList{"settings.ini"});
    // Once reads work again, nothing read or set is lost.
    QVERIFY(store.sync());
    QSettings reader(file, QSettings::IniFormat);
    QCOMPARE(reader.value("runs").toInt(), 5);
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        QCOMPARE(reader.value(it.key()), it.value());
}

/// A store whose first read is cut short holds values the store never saw: it is never saved
/// over, until it is read again whole.
void tst_SettingsStore::firstReadCutShort()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    QVERIFY(
        fileBytes::writeAll(file, writtenByQt({{"wd", "/here"}, {"problem", QString(200, 'p')}})));
    const QByteArray bytes = fileBytes::readAll(file);
    std::unique_ptr<SettingsStore> store;
    {
        ReadCutShort cut("/settings\\.ini$", 40);
        store.reset(new SettingsStore(file));
    }
    QCOMPARE(store->readError(), QString("Input/output error"));
    QVERIFY(!store->value("wd").isValid());
    store->setValue("runs", 1);
    QVERIFY(!store->sync());
    QCOMPARE(fileBytes::readAll(file), bytes);
    QVERIFY(store->reread());
    QCOMPARE(store->value("wd").toString(), QString("/here"));
    QVERIFY(store->sync());
    QSettings reader(file, QSettings::IniFormat);
    QCOMPARE(reader.value("problem").toString(), QString(200, 'p'));
    QCOMPARE(reader.value("runs").toInt(), 1);
    // Not read, a store is left as it is at the end too.
    {
        ReadCutShort cut("/settings\\.ini$", 40);
        store.reset(new SettingsStore(file));
    }
    const QByteArray saved = fileBytes::readAll(file);
    store->setValue("runs", 2);
    QCOMPARE(captureStderr([&] { store.reset(); }), QByteArray());
    QCOMPARE(fileBytes::readAll(file), saved);
}

void tst_SettingsStore::linkStaysLink_data()
{
    // Each "link target": made in order in the test's folder.
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("real"); // the file the store's name leads to
    QTest::newRow("one link") << QStringList{"link.ini real.ini"} << "link.ini" << "real.ini";
    QTest::newRow("two links") << QStringList{"link.ini next.ini", "next.ini real.ini"}
                               << "link.ini" << "real.ini";
    QTest::newRow("a link to a file not there yet")
        << QStringList{"link.ini new.ini"} << "link.ini" << "new.ini";
    // The system follows "a" before "..": the text's ".." would lead to "t.ini" here.
    QTest::newRow("a link climbing from a folder reached through a link")
        << QStringList{"a x/y", "x/y/s.ini ../t.ini"} << "a/s.ini" << "x/t.ini";
}

/// A store named by a link is saved into the file the link leads to as the system follows it,
/// and the links stay.
void tst_SettingsStore::linkStaysLink()
{
    QFETCH(QStringList, links);
    QFETCH(QString, store);
    QFETCH(QString, real);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("x/y"));
    for (const QString &link : links) {
        const QByteArray name = QFile::encodeName(dir.filePath(link.section(' ', 0, 0)));
        QVERIFY(symlink(QFile::encodeName(link.section(' ', 1)).constData(), name.constData()) == 0);
    }
    if (real != "new.ini")
        QVERIFY(fileBytes::writeAll(dir.filePath(real), writtenByQt({{"wd", "/here"}})));
    const QMap<QString, QByteArray> before = snapshot(dir.path(), {real.section('/', -1)});
    SettingsStore early(dir.filePath(store));
    QCOMPARE(early.value("wd").toString(), real == "new.ini" ? QString() : QString("/here"));
    early.setValue("runs", 3);
    QVERIFY2(early.sync(), qPrintable(early.errorString()));
    QCOMPARE(QSettings(dir.filePath(real), QSettings::IniFormat).value("runs").toInt(), 3);
    QCOMPARE(SettingsStore(dir.filePath(store)).value("runs").toInt(), 3);
    QCOMPARE(notAsBefore(before, snapshot(dir.path(), {real.section('/', -1)})), QStringList());
}

void tst_SettingsStore::unreadableStoreKept()
{
    // Its owner, not root: root reads whatever the mode says.
    QString user;
    QByteArray none;
    const std::unique_ptr<QTemporaryDir> made = folderForOtherUser(user, none);
    if (!made)
        QSKIP(none.constData());
    const QTemporaryDir &dir = *made;
    const QString file = dir.filePath("settings.ini");
    QVERIFY(fileBytes::writeAll(
        file,
        writtenByQt({{"wd", dir.path()}, {"reload", false}, {"user/notes", QString(4000, 'n')}})));
    const QByteArray path = QFile::encodeName(file);
    QVERIFY(chmod(QFile::encodeName(dir.path()).constData(), 0777) == 0);
    QVERIFY(giveTo(user, file));
    // Readable, the store is within that user's reach and saved.
    QVERIFY(chmod(path.constData(), 0600) == 0);
    QCOMPARE(saverResult(*startSaver(file, "runs", 1, user)), QByteArray("failed 0"));
    const QByteArray before = fileBytes::readAll(file);
    QVERIFY(before.contains("runs0=0") && before.contains("reload=false"));
    QVERIFY(chmod(path.constData(), 0200) == 0);
    QCOMPARE(saverResult(*startSaver(file, "runs", 2, user)), QByteArray("failed 2"));
    QVERIFY(chmod(path.constData(), 0600) == 0);
    QCOMPARE(fileBytes::readAll(file), before);
    QCOMPARE(entries(dir.path()), QStringList{"settings.ini"});
}

void tst_SettingsStore::concurrentSavesKept_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("one name") << false;
    QTest::newRow("a link and the file it leads to") << true;
}

void tst_SettingsStore::concurrentSavesKept()
{
    QFETCH(bool, throughLink);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini"), link = dir.filePath("link.ini");
    QVERIFY(!throughLink || QFile::link(file, link));
    const QStringList keys{"a", "b", "c"};
    const int count = 40;
    // Qt's settings class writing the same file, and two instances of the program, one through
    // the link. Qt's class first reads the file without its lock: the instances start once it
    // has, as a save by another while it reads is lost by Qt's class itself.
    std::vector<std::unique_ptr<QProcess>> savers;
    savers.push_back(startSaver(file, "c", count, "qt"));
    QVERIFY(savers.back()->waitForReadyRead(kPatienceMs));
    for (const QString &key : QStringList{"a", "b"})
        savers.push_back(startSaver(key == "a" && throughLink ? link : file, key, count));
    savers.front()->closeWriteChannel();
    for (auto &saver : savers)
        QCOMPARE(saverResult(*saver), QByteArray("failed 0"));
    QSettings reader(file, QSettings::IniFormat);
    QCOMPARE(reader.allKeys().size(), keys.size() * count);
    for (const QString &key : keys)
        for (int i = 0; i < count; ++i)
            QCOMPARE(reader.value(key + QString::number(i)).toInt(), i);
    const QStringList left =
        throughLink ? QStringList{"link.ini", "settings.ini"} : QStringList{"settings.ini"};
    QCOMPARE(entries(dir.path()), left);
}

void tst_SettingsStore::valuesQtReadsOtherwise_data()
{
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QVariant>("set");
    const QVariant none;
    QTest::newRow("mixed list by hand") << QByteArray("[General]\ntags=a, @x\n") << none;
    // Its last line left open, by a quote or an escaped line end, where the store ends.
    QTest::newRow("quote left open by hand") << QByteArray("[General]\nnote=\"open, a\n") << none;
    QTest::newRow("line end escaped by hand") << QByteArray("[General]\nnote=open\\") << none;
    QTest::newRow("quote and escape left open by hand")
        << QByteArray("[General]\nnote=\"abc\\") << none;
    QTest::newRow("quote and three escapes left open by hand")
        << QByteArray("[General]\nnote=\"abc\\\\\\") << none;
    // A quote outside a value takes in the line ends after it, and the line has no key.
    QTest::newRow("quote opening the last line by hand")
        << QByteArray("[General]\nruns=3\n\"k=v") << none;
    QTest::newRow("quote in the last key by hand")
        << QByteArray("[General]\nruns=3\nx\"=1\n") << none;
    QTest::newRow("quote in the last section's name by hand")
        << QByteArray("[General]\nruns=3\n[sec\"x") << none;
    QTest::newRow("quote in a key before other lines by hand")
        << QByteArray("[General]\nruns=3\nk\"\nnote=abc\n[sec]\nn=1\n") << none;
    QTest::newRow("value list by Qt")
        << writtenByQt({{"tags", QVariantList{"a", QByteArray("b"), qQNaN()}}}) << none;
    QTest::newRow("NaN in a map") << writtenByQt({{"limits", QVariantMap{{"max", qQNaN()}}}})
                                  << none;
    QTest::newRow("empty string list") << QByteArray() << QVariant(QStringList());
    QTest::newRow("empty value list") << QByteArray() << QVariant(QVariantList());
    QTest::newRow("list of numbers") << QByteArray() << QVariant(QVariantList{1, 2});
    // One recent file: the list is written as its item.
    QTest::newRow("one-item value list") << QByteArray() << QVariant(QVariantList{"/home/u/a.g6"});
    QTest::newRow("one-item string list") << QByteArray() << QVariant(QStringList{"/home/u/a.g6"});
    QTest::newRow("number") << QByteArray() << QVariant(0.1);
    QTest::newRow("NaN") << QByteArray() << QVariant(qQNaN());
    QTest::newRow("infinity") << QByteArray() << QVariant(-qInf());
    // Grown and shrunk, it iterates in another order than its copy read back.
    QVariantHash hash;
    for (int i = 0; i < 64; ++i)
        hash.insert(QString::number(i), i);
    for (int i = 0; i < 40; ++i)
        hash.remove(QString::number(i));
    QTest::newRow("hash") << QByteArray() << QVariant(hash);
    QTest::newRow("hash in a map") << QByteArray() << QVariant(QVariantMap{{"h", hash}});
    // Kept otherwise than set: a null array reads back empty; within a list or a map a date-time
    // is streamed in an older format, without its offset or zone.
    QTest::newRow("null byte array") << QByteArray() << QVariant(QByteArray());
    QTest::newRow("list holding a null byte array")
        << QByteArray() << QVariant(QVariantList{QByteArray(), "x"});
    const QDateTime offset(QDate(2026, 12, 7), QTime(18, 30), Qt::OffsetFromUTC, 3600),
        zoned(QDate(2026, 7, 1), QTime(9, 0), QTimeZone("Europe/Paris"));
    QTest::newRow("offset date-time in a map")
        << QByteArray() << QVariant(QVariantMap{{"t", offset}});
    QTest::newRow("offset date-time in a one-item list")
        << QByteArray() << QVariant(QVariantList{offset});
    QTest::newRow("zoned date-time in a map")
        << QByteArray() << QVariant(QVariantMap{{"t", zoned}});
}

void tst_SettingsStore::valuesQtReadsOtherwise()
{
    QFETCH(QByteArray, store);
    QFETCH(QVariant, set);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini"), qtFile = dir.filePath("qt.ini");
    QVERIFY(fileBytes::writeAll(file, store));
    QVERIFY(fileBytes::writeAll(qtFile, store));
    SettingsStore ours(file);
    QSettings qt(qtFile, QSettings::IniFormat);
    for (const QString &wd : QStringList{"/new", "/again"}) {
        if (set.isValid()) {
            ours.setValue("x", set);
            qt.setValue("x", set);
        }
        ours.setValue("wd", wd);
        qt.setValue("wd", wd);
        QVERIFY2(ours.sync(), qPrintable(ours.errorString()));
        qt.sync();
        QCOMPARE(fileBytes::readAll(file), fileBytes::readAll(qtFile));
    }
    // And so they stay once another process saved each, one that iterates a hash as the other.
    const QByteArray seed = qgetenv("QT_HASH_SEED");
    const auto restore = qScopeGuard(
        [&] { seed.isNull() ? qunsetenv("QT_HASH_SEED") : qputenv("QT_HASH_SEED", seed); });
    qputenv("QT_HASH_SEED", "0");
    for (const QString &saved : {file, qtFile})
        QCOMPARE(saverResult(*startSaver(saved, "k", 1, "qt")), QByteArray("failed 0"));
    QCOMPARE(fileBytes::readAll(file), fileBytes::readAll(qtFile));
}

void tst_SettingsStore::keysNoNameReachesLeftOut_data()
{
    QTest::addColumn<QByteArray>("store");
    QTest::newRow("empty key") << QByteArray("[General]\n=1\nruns=3\n");
    QTest::newRow("key of slashes") << QByteArray("[General]\n\\\\=1\nruns=3\n");
    QTest::newRow("key with a slash first") << QByteArray("[General]\n\\wd=/old\nruns=3\n");
    QTest::newRow("key with a slash first, and its plain form")
        << QByteArray("[General]\n\\wd=/old\nwd=/here\n");
}

void tst_SettingsStore::keysNoNameReachesLeftOut()
{
    QFETCH(QByteArray, store);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    QVERIFY(fileBytes::writeAll(file, store));
    // What every name reaches, as Qt's settings class reads the store in place.
    QVariantMap reached;
    {
        QSettings inPlace(file, QSettings::IniFormat);
        for (const QString &key : inPlace.allKeys()) {
            const QString name = key.split('/', Qt::SkipEmptyParts).join('/');
            if (!name.isEmpty() && inPlace.value(name).isValid())
                reached.insert(name, inPlace.value(name));
        }
    }
    SettingsStore ours(file);
    QVERIFY2(ours.readError().isEmpty(), qPrintable(ours.readError()));
    for (auto it = reached.cbegin(); it != reached.cend(); ++it)
        QCOMPARE(ours.value(it.key()), it.value());
    ours.setValue("added", "new");
    QVERIFY2(ours.sync(), qPrintable(ours.errorString()));
    reached.insert("added", "new");
    QSettings saved(file, QSettings::IniFormat);
    QCOMPARE(saved.allKeys(), reached.keys());
    for (auto it = reached.cbegin(); it != reached.cend(); ++it)
        QCOMPARE(saved.value(it.key()), it.value());
}

void tst_SettingsStore::unstorableValueDropped()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    SettingsStore store(file);
    const QByteArray said =
        captureStderr([&] { store.setValue("window//opaque/", QVariant::fromValue(Opaque())); });
    QCOMPARE(said, QByteArray("The setting window/opaque cannot be kept in the settings store: "
                              "its value was dropped.\n"));
    // Keys that name nothing are not kept either.
    store.setValue("/", 1);
    store.setValue("", 2);
    store.setValue("wd", "/x");
    QVERIFY(store.sync());
    QVERIFY(!store.value("window/opaque").isValid());
    QCOMPARE(QSettings(file, QSettings::IniFormat).allKeys(), QStringList{"wd"});
}

void tst_SettingsStore::savedWithoutTemporaryFolder()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini"), notFolder = dir.filePath("file");
    QVERIFY(fileBytes::writeAll(notFolder, "not a folder"));
    const QByteArray tmp = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] { qputenv("TMPDIR", tmp); });
    SettingsStore store(file);
    for (const QString &temporary : {dir.filePath("missing"), notFolder}) {
        qputenv("TMPDIR", QFile::encodeName(temporary));
        store.setValue("wd", temporary);
        QVERIFY(store.sync());
        QCOMPARE(QSettings(file, QSettings::IniFormat).value("wd").toString(), temporary);
    }
    QCOMPARE(entries(dir.path()), (QStringList{"file", "settings.ini"}));
}

void tst_SettingsStore::fallbacksAndKeyNames()
{
    QTemporaryDir user, system;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system.path());
    QCoreApplication::setOrganizationName("Org");
    QCoreApplication::setApplicationName("App");
    QVERIFY(QDir().mkpath(user.filePath("Org")) && QDir().mkpath(system.filePath("Org")));
    QVERIFY(fileBytes::writeAll(system.filePath("Org/App.conf"),
                                writtenByQt({{"a", 1}, {"b", 1}, {"c", 1}})));
    QVERIFY(fileBytes::writeAll(system.filePath("Org.conf"), writtenByQt({{"c", 2}, {"d", 2}})));
    QVERIFY(fileBytes::writeAll(user.filePath("Org.conf"), writtenByQt({{"b", 3}})));
    QVERIFY(
        fileBytes::writeAll(user.filePath("Org/App.conf"), writtenByQt({{"a", 4}, {"g/k", 4}})));
    SettingsStore store;
    QCOMPARE(store.fileName(), QSettings().fileName());
    for (const QString &key : QStringList{"a", "b", "c", "d", "e", "/a/", "g//k", "/g/k"})
        QCOMPARE(store.value(key, 0), QSettings().value(key, 0));
    // Defaults are read, never written.
    store.setValue("//e//f/", 5);
    QVERIFY(store.sync());
    QCOMPARE(QSettings(store.fileName(), QSettings::IniFormat).allKeys(),
             (QStringList{"a", "e/f", "g/k"}));
}

void tst_SettingsStore::usersFilesKept()
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("settings.ini"), link = dir.filePath("link.ini"),
                  real = dir.filePath("real/real.ini");
    QVERIFY(QDir(dir.path()).mkdir("real") && fileBytes::writeAll(real, "") &&
            QFile::link(real, link));
    for (const QString &base : {plain, link, real})
        plantLookAlikes(base);
    const QStringList stores{"settings.ini", "link.ini", "real.ini"};
    const QMap<QString, QByteArray> before = snapshot(dir.path(), stores);
    // Saves of a store and of a store reached through a link, some cut short.
    SettingsStore ours(plain), linked(link);
    for (int i = 0; i < 3; ++i) {
        for (SettingsStore *store : {&ours, &linked}) {
            store->setValue("runs", i);
            QVERIFY(store->sync());
            store->setValue("user/notes", QString(3000, 'n'));
            FileSizeLimit limit(2048);
            QVERIFY(!store->sync());
        }
    }
    QCOMPARE(snapshot(dir.path(), stores), before);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QSettings(real, QSettings::IniFormat).value("runs").toInt(), 2);
}

void tst_SettingsStore::foreignEntryOfFolderNameKept_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("inside");
    QTest::newRow("file") << "file" << QStringList();
    QTest::newRow("link to a folder") << "link" << QStringList();
    QTest::newRow("folder of a user's") << "folder" << QStringList{"1.ini", "notes.txt"};
    // Named as a save's files begin, not as they are named whole.
    QTest::newRow("folder of a user's, names alike")
        << "folder" << QStringList{"2019.initial-plan.txt", "3.written-notes.md", "12.ini.bak"};
    // Numbered, but with a leading zero that no save writes.
    QTest::newRow("folder of a user's, zero first") << "folder" << QStringList{"01.ini"};
}

void tst_SettingsStore::foreignEntryOfFolderNameKept()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, inside);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini"), taken = file + ".saving";
    QVERIFY(fileBytes::writeAll(file, writtenByQt({{"wd", "/here"}})));
    // Read before the entry comes: a store not read is not saved at all.
    SettingsStore store(file);
    QVERIFY(QDir().mkdir(dir.filePath("mine")) &&
            fileBytes::writeAll(dir.filePath("mine/1.ini"), "mine"));
    if (entry == "file")
        QVERIFY(fileBytes::writeAll(taken, "mine"));
    else if (entry == "link")
        QVERIFY(QFile::link(dir.filePath("mine"), taken));
    else
        QVERIFY(QDir().mkdir(taken));
    for (const QString &name : inside)
        QVERIFY(fileBytes::writeAll(taken + "/" + name, "mine"));
    const QMap<QString, QByteArray> before = snapshot(dir.path());
    store.setValue("wd", "/there");
    bool saved = true;
    const QByteArray said = captureStderr([&] { saved = store.sync(); });
    QVERIFY(!saved);
    QCOMPARE(said, QFile::encodeName(taken) +
                       " is not the settings store's own: the store was not saved.\n");
    QCOMPARE(snapshot(dir.path()), before);
    // Once that entry is gone, what waited is saved.
    QVERIFY(entry == "folder" ? QDir(taken).removeRecursively() : QFile::remove(taken));
    QVERIFY(store.sync());
    QCOMPARE(QSettings(file, QSettings::IniFormat).value("wd").toString(), QString("/there"));
}

void tst_SettingsStore::swappedFolderEmptiedInPlace()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini"), folder = file + ".saving",
                  mine = dir.filePath("mine");
    // The folder left by a killed save, and a user's folder holding a file of a name it holds.
    QVERIFY(fileBytes::writeAll(file, writtenByQt({{"wd", "/here"}})));
    QVERIFY(QDir().mkdir(folder) && fileBytes::writeAll(folder + "/1.ini", "left"));
    QVERIFY(QDir().mkdir(mine) && fileBytes::writeAll(mine + "/1.ini", "mine"));
    SettingsStore store(file);
    store.setValue("wd", "/there");
    {
        SwappedAtRemoval swap(QFile::encodeName(folder), QFile::encodeName(dir.filePath("moved")),
                              QFile::encodeName(mine));
        QVERIFY(!store.sync());
        QVERIFY(swap.swapped());
    }
    QCOMPARE(fileBytes::readAll(mine + "/1.ini"), QByteArray("mine"));
    QVERIFY(QFileInfo(folder).isSymLink());
}

void tst_SettingsStore::killedSavesLeaveOnlyTheStore_data()
{
    QTest::addColumn<bool>("vfatLike");
    QTest::newRow("plain") << false;
    QTest::newRow("vfat-like") << true;
}

void tst_SettingsStore::killedSavesLeaveOnlyTheStore()
{
    QFETCH(bool, vfatLike);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    plantLookAlikes(file);
    const QMap<QString, QByteArray> before = snapshot(dir.path());
    std::unique_ptr<VfatLike> refusing(vfatLike ? new VfatLike : nullptr);
    QCOMPARE(refusesAsVfat(dir.path()), vfatLike);
    // Savers killed at random points of their saves.
    for (int i = 0; i < 20; ++i) {
        const auto saver = startSaver(file, QStringLiteral("k%1_").arg(i), 100000);
        QVERIFY(saver->waitForStarted(kPatienceMs));
        QTest::qWait(20 + QRandomGenerator::global()->bounded(100));
        saver->kill();
        QVERIFY(saver->waitForFinished(kPatienceMs));
    }
    // A saver killed between making a lock file and writing itself in it leaves a file with no
    // holder that nobody can tell from a live one's until it is a few seconds old: once it is,
    // the next read and save leave nothing but the store.
    QTest::qWait(3500);
    SettingsStore store(file);
    QVERIFY2(store.readError().isEmpty(), qPrintable(store.readError()));
    store.setValue("wd", "/x");
    QVERIFY2(store.sync(), qPrintable(store.errorString()));
    QCOMPARE(QSettings(file, QSettings::IniFormat).value("wd").toString(), QString("/x"));
    QCOMPARE(notAsBefore(before, snapshot(dir.path(), {"settings.ini"})), QStringList());
    QVERIFY(QFileInfo(file).isFile());
}

void tst_SettingsStore::readOnlyStoreKept_data()
{
    QTest::addColumn<bool>("sticky");
    QTest::newRow("store of mode 0444") << false;
    QTest::newRow("another's store in a sticky folder") << true;
}

void tst_SettingsStore::readOnlyStoreKept()
{
    QFETCH(bool, sticky);
    QString user;
    QByteArray none;
    const std::unique_ptr<QTemporaryDir> dir = folderForOtherUser(user, none);
    if (!dir)
        QSKIP(none.constData());
    if (sticky && user.isEmpty())
        QSKIP("Only root can give a store to another user.");
    const QString file = dir->filePath("settings.ini");
    QVERIFY(fileBytes::writeAll(file, writtenByQt({{"wd", "/here"}})));
    const QByteArray path = QFile::encodeName(file), folder = QFile::encodeName(dir->path());
    // Writable by the saver, who may not replace it; or not writable, as Qt's class refuses it.
    QVERIFY(chmod(folder.constData(), sticky ? 01777 : 0777) == 0);
    QVERIFY(chmod(path.constData(), sticky ? 0666 : 0444) == 0);
    QVERIFY(sticky || giveTo(user, file));
    const QByteArray stored = fileBytes::readAll(file);
    QCOMPARE(saverResult(*startSaver(file, "runs", 1, user)), QByteArray("failed 1"));
    QCOMPARE(fileBytes::readAll(file), stored);
    QCOMPARE(entries(dir->path()), QStringList{"settings.ini"});
}

void tst_SettingsStore::lockWithoutPermissionFailsAtOnce()
{
    QString user;
    QByteArray none;
    const std::unique_ptr<QTemporaryDir> dir = folderForOtherUser(user, none);
    if (!dir)
        QSKIP(none.constData());
    const QString file = dir->filePath("settings.ini");
    QVERIFY(fileBytes::writeAll(file, writtenByQt({{"wd", "/here"}})));
    const QByteArray folder = QFile::encodeName(dir->path());
    QVERIFY(chmod(QFile::encodeName(file).constData(), 0666) == 0);
    QVERIFY(chmod(folder.constData(), 0555) == 0);
    const auto restore = qScopeGuard([&] { chmod(folder.constData(), 0700); });
    // Waited for, the lock would hold the save for seconds.
    // Read all the same: no save can replace it either.
    const auto saver = startSaver(file, "runs", 1, user);
    QCOMPARE(saverOutput(*saver), QByteArray("failed 1"));
    const qint64 took = saverElapsed(*saver);
    QVERIFY2(took >= 0 && took < 3000, QByteArray::number(took));
}

void tst_SettingsStore::emptyLockFileOfEndedProgram_data()
{
    QTest::addColumn<QString>("holder"); // how the saver holds the lock; none for a kill
    QTest::addColumn<int>("age");        // of the lock file, in milliseconds
    QTest::newRow("left empty by a kill") << QString() << 10000;
    QTest::newRow("left empty by a kill 3.5 s ago") << QString() << 3500;
    QTest::newRow("empty, its holder stopped") << "emptylock" << 10000;
    QTest::newRow("written, its holder stopped") << "lock" << 10000;
}

void tst_SettingsStore::emptyLockFileOfEndedProgram()
{
    QFETCH(QString, holder);
    QFETCH(int, age);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini"), lockFile = file + ".lock";
    QVERIFY(fileBytes::writeAll(file, writtenByQt({{"wd", "/here"}})));
    // Read before the lock is there: a store not read is not saved at all.
    SettingsStore early(file);
    const bool ended = holder.isEmpty();
    QProcess holding;
    const auto release = qScopeGuard([&] { endHolder(holding); });
    if (!ended) {
        holding.start(QStringLiteral(SETTINGS_STORE_SAVER), {file, holder});
        QVERIFY(holding.waitForReadyRead(kPatienceMs));
        QCOMPARE(holding.readAllStandardOutput(), QByteArray("locked\n"));
        QVERIFY(kill(pid_t(holding.processId()), SIGSTOP) == 0);
    }
    // Older than a holder ever leaves its lock file empty, younger than Qt's stale time.
    const auto lock = [&] {
        return (!ended || fileBytes::writeAll(lockFile, QByteArray())) && ageFile(lockFile, age);
    };
    const QString why =
        ended ? QString() : QStringLiteral("another program holds its lock file %1").arg(lockFile);
    QVERIFY(lock());
    const QByteArray lockBytes = fileBytes::readAll(lockFile);
    QElapsedTimer waited;
    waited.start();
    early.setValue("runs", 1);
    QCOMPARE(early.sync(), ended);
    QCOMPARE(early.errorString(), why);
    QVERIFY(lock());
    const SettingsStore late(file);
    QCOMPARE(late.readError(), why);
    QVERIFY2(!ended || waited.elapsed() < 3000, QByteArray::number(waited.elapsed()));
    const QStringList left{"settings.ini", "settings.ini.lock"};
    QCOMPARE(entries(dir.path()), ended ? QStringList(left.first()) : left);
    if (!ended)
        QCOMPARE(fileBytes::readAll(lockFile), lockBytes);
}

void tst_SettingsStore::leftRemoversRemoved_data()
{
    // What lies beside the store, each "how name": the store's lock file (name "") or a remover's
    // of it (".rmlock", its own ".rmlock.rmlock", ...), left by a program "killed" holding it,
    // "killed empty" as it made it, 3.5 s ago, "stopped" holding it, "stopped empty" as it made
    // it, or a "user's" file an hour old that holds no record.
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<bool>("save"); // a save comes next, else a read
    const QString one = "killed .rmlock", two = "killed .rmlock.rmlock",
                  three = "killed .rmlock.rmlock.rmlock";
    QTest::newRow("ended remover, a read") << QStringList{one} << false;
    QTest::newRow("ended remover, a save") << QStringList{one} << true;
    QTest::newRow("ended remover and its own, a save") << QStringList{one, two} << true;
    QTest::newRow("its own remover ended alone, a read") << QStringList{two} << false;
    QTest::newRow("chain four deep, a save")
        << QStringList{one, two, three, "killed .rmlock.rmlock.rmlock.rmlock"} << true;
    QTest::newRow("chain four deep, the last left empty, a read")
        << QStringList{one, two, three, "killed empty .rmlock.rmlock.rmlock.rmlock"} << false;
    QTest::newRow("empty remover left by a kill, a read")
        << QStringList{"killed empty .rmlock"} << false;
    QTest::newRow("empty remover left by a kill, a stale lock behind it, a save")
        << QStringList{"killed ", "killed empty .rmlock"} << true;
    QTest::newRow("live remover stopped, a save") << QStringList{"stopped .rmlock"} << true;
    QTest::newRow("live remover stopped, a read") << QStringList{"stopped .rmlock"} << false;
    QTest::newRow("live remover stopped as it made its file, a save")
        << QStringList{"stopped empty .rmlock"} << true;
    QTest::newRow("not a record, an hour old, a save") << QStringList{"user's .rmlock"} << true;
}

/// A program killed while it removed a lock file left by another leaves its own remover's lock
/// file, empty or a record of a process that has ended, and one killed while it removed that
/// leaves one more: the next read or save removes the whole chain, at once, and never the file
/// of a live remover, even a stopped one, nor a file that holds no record.
void tst_SettingsStore::leftRemoversRemoved()
{
    QFETCH(QStringList, left);
    QFETCH(bool, save);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    QVERIFY(fileBytes::writeAll(file, writtenByQt({{"wd", "/here"}})));
    SettingsStore early(file);
    std::vector<std::unique_ptr<QProcess>> holders;
    const auto release = qScopeGuard([&] {
        for (const auto &holder : holders)
            endHolder(*holder);
    });
    QStringList live;
    for (const QString &entry : left) {
        const QString how = entry.section(' ', 0, -2), suffix = entry.section(' ', -1);
        const QString name = file + ".lock" + suffix;
        if (how == "user's") {
            QVERIFY(fileBytes::writeAll(name, "my notes\n") && ageFile(name, 3600000));
            live << QFileInfo(name).fileName();
            continue;
        }
        if (how == "killed empty") {
            QVERIFY(fileBytes::writeAll(name, QByteArray()) && ageFile(name, 3500));
            continue;
        }
        holders.emplace_back(new QProcess);
        QProcess &holder = *holders.back();
        holder.start(QStringLiteral(SETTINGS_STORE_SAVER),
                     {file, how.endsWith("empty") ? "emptylock" : "lock", suffix});
        QVERIFY(holder.waitForReadyRead(kPatienceMs));
        QCOMPARE(holder.readAllStandardOutput(), QByteArray("locked\n"));
        const bool killed = how == "killed";
        QVERIFY(kill(pid_t(holder.processId()), killed ? SIGKILL : SIGSTOP) == 0);
        if (killed)
            QVERIFY(holder.waitForFinished(kPatienceMs));
        else
            live << QFileInfo(name).fileName();
        // Old enough to be taken for left by a kill, were it not held.
        QVERIFY(killed || ageFile(name, 10000));
    }
    const QMap<QString, QByteArray> planted = snapshot(dir.path(), {"settings.ini"});
    QCOMPARE(planted.size(), left.size());
    QElapsedTimer waited;
    waited.start();
    if (save) {
        early.setValue("runs", 1);
        QVERIFY2(early.sync(), qPrintable(early.errorString()));
        QCOMPARE(QSettings(file, QSettings::IniFormat).value("runs").toInt(), 1);
    } else {
        const SettingsStore late(file);
        QVERIFY2(late.readError().isEmpty(), qPrintable(late.readError()));
    }
    // Not after a wait for the lock, which gives up after a few seconds.
    QVERIFY2(waited.elapsed() < 3000, QByteArray::number(waited.elapsed()));
    QMap<QString, QByteArray> kept;
    for (const QString &name : live)
        kept.insert(name, planted.value(name));
    QCOMPARE(notAsBefore(kept, snapshot(dir.path(), {"settings.ini"})), QStringList());
}

void tst_SettingsStore::lockTakenOverLeftFile_data()
{
    QTest::addColumn<bool>("written"); // by a live lock of this process, else left empty
    QTest::addColumn<int>("age");      // of the lock file, in milliseconds
    QTest::addColumn<bool>("noFlock"); // the file system has none
    QTest::newRow("empty, 3.5 s old") << false << 3500 << false;
    QTest::newRow("empty, 10 s old, no flock") << false << 10000 << true;
    QTest::newRow("written by a live holder, 10 s old, no flock") << true << 10000 << true;
}

/// A lock file left empty and old is removed and the lock then taken: the file at the name is the
/// caller's own. Where there is no flock to tell a live holder, a written lock file stays.
void tst_SettingsStore::lockTakenOverLeftFile()
{
    QFETCH(bool, written);
    QFETCH(int, age);
    QFETCH(bool, noFlock);
    QTemporaryDir dir;
    const QString name = dir.filePath("settings.ini.lock");
    QLockFile holder(name);
    QVERIFY(written ? holder.tryLock(0) : fileBytes::writeAll(name, QByteArray()));
    QVERIFY(ageFile(name, age));
    const QByteArray bytes = fileBytes::readAll(name);
    std::unique_ptr<NoFlock> refusing(noFlock ? new NoFlock : nullptr);
    QLockFile lock(name);
    QElapsedTimer waited;
    waited.start();
    QString why;
    QCOMPARE(takeLock(lock, name, waited, why, nullptr), !written);
    refusing.reset();
    if (written) {
        QCOMPARE(why, QStringLiteral("another program holds its lock file %1").arg(name));
        QCOMPARE(fileBytes::readAll(name), bytes);
        QVERIFY(holder.isLocked());
        return;
    }
    QVERIFY(lock.isLocked());
    qint64 pid = 0;
    QString host, application;
    QVERIFY(lock.getLockInfo(&pid, &host, &application));
    QCOMPARE(pid, QCoreApplication::applicationPid());
    lock.unlock();
    QCOMPARE(entries(dir.path()), QStringList());
}

void tst_SettingsStore::laterSaveKeepsNewerValue()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    SettingsStore first(file), second(file);
    first.setValue("wd", "/first");
    QVERIFY(first.sync());
    second.setValue("wd", "/second");
    QVERIFY(second.sync());
    // Saved once, the first value is not saved again over the newer one.
    first.setValue("runs", 1);
    QVERIFY(first.sync());
    QSettings reader(file, QSettings::IniFormat);
    QCOMPARE(reader.value("wd").toString(), QString("/second"));
    QCOMPARE(reader.value("runs").toInt(), 1);
}

void tst_SettingsStore::stoppedLockHolderWaitedForBriefly()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    QProcess holder;
    holder.start(QStringLiteral(SETTINGS_STORE_SAVER), {file, "lock"});
    QVERIFY(holder.waitForReadyRead(kPatienceMs));
    QCOMPARE(holder.readAllStandardOutput(), QByteArray("locked\n"));
    const auto release = [&] { return endHolder(holder); };
    auto end = qScopeGuard(release);
    QVERIFY(kill(pid_t(holder.processId()), SIGSTOP) == 0);
    // A save gives up in seconds, where the lock holds for as long as its holder lives; and the
    // exit's save waits once more, no longer.
    const qint64 longest = 15000;
    QElapsedTimer waited;
    SettingsStore store(file);
    store.setValue("wd", "/x");
    waited.start();
    QVERIFY(!store.sync());
    QVERIFY2(waited.elapsed() < longest, QByteArray::number(waited.elapsed()));
    std::unique_ptr<SettingsStore> exiting(new SettingsStore(file));
    exiting->setValue("reload", false);
    QVERIFY2(exiting->readError().isEmpty(), qPrintable(exiting->readError()));
    waited.restart();
    const QByteArray said = captureStderr([&] { exiting.reset(); });
    QVERIFY2(waited.elapsed() < longest, QByteArray::number(waited.elapsed()));
    QVERIFY2(said.contains("could not be written"), said.constData());
    // What was not saved waits for the next save.
    end.dismiss();
    QVERIFY(release());
    QVERIFY(store.sync());
    QCOMPARE(QSettings(file, QSettings::IniFormat).allKeys(), QStringList{"wd"});
    QCOMPARE(entries(dir.path()), QStringList{"settings.ini"});
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_SettingsStore.moc"
