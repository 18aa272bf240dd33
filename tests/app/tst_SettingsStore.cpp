#include "FileBytes.h"
#include "FileSizeLimit.h"

#include "app/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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

/// What a saver said of its saves, once it ended.
QByteArray saverResult(QProcess &saver)
{
    if (!saver.waitForFinished(120000) || saver.exitStatus() != QProcess::NormalExit ||
        saver.exitCode() != 0)
        return "saver failed: " + saver.readAllStandardError();
    return saver.readAllStandardOutput().trimmed();
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
    void failedSaveKeepsStore();
    void linkStaysLink();
    void unreadableStoreKept();
    void concurrentSavesKept();
    void valuesQtReadsOtherwise_data();
    void valuesQtReadsOtherwise();
    void unstorableValueDropped();
    void savedWithoutTemporaryFolder();
    void fallbacksAndKeyNames();
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

void tst_SettingsStore::failedSaveKeepsStore()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    SettingsStore store(file);
    store.setValue("user/notes", QString(3000, 'n'));
    QVERIFY(store.sync());
    const QByteArray before = fileBytes::readAll(file);
    const QStringList files = entries(dir.path());
    {
        FileSizeLimit limit(2048);
        QVERIFY(limit.ok);
        store.setValue("wd", "/elsewhere");
        QVERIFY(!store.sync());
        QCOMPARE(fileBytes::readAll(file), before);
    }
    // A folder in the store's place for a while: the store that comes back, of the same size and
    // time as before, is read again rather than taken for the folder's nothing.
    QDir folder(dir.path());
    QVERIFY(folder.rename("settings.ini", "away") && folder.mkdir("settings.ini"));
    QVERIFY(!store.sync());
    QVERIFY(folder.rmdir("settings.ini") && folder.rename("away", "settings.ini"));
    QCOMPARE(entries(dir.path()), files);
    // What failed is saved by the next save that can be made.
    QVERIFY(store.sync());
    QSettings reader(file, QSettings::IniFormat);
    QCOMPARE(reader.value("wd").toString(), QString("/elsewhere"));
    QCOMPARE(reader.value("user/notes").toString().size(), 3000);
}

void tst_SettingsStore::linkStaysLink()
{
    QTemporaryDir dir;
    const QString real = dir.filePath("real.ini"), link = dir.filePath("link.ini");
    QVERIFY(QFile(real).open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(real, link));
    SettingsStore store(link);
    store.setValue("runs", 3);
    QVERIFY(store.sync());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QSettings(real, QSettings::IniFormat).value("runs").toInt(), 3);
}

void tst_SettingsStore::unreadableStoreKept()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    QVERIFY(fileBytes::writeAll(
        file,
        writtenByQt({{"wd", dir.path()}, {"reload", false}, {"user/notes", QString(4000, 'n')}})));
    // Its owner, not root: root reads whatever the mode says.
    const QByteArray path = QFile::encodeName(file);
    if (geteuid() == 0) {
        const passwd *nobody = getpwnam("nobody");
        if (!nobody)
            QSKIP("No user other than root to save as.");
        QVERIFY(chmod(QFile::encodeName(dir.path()).constData(), 0777) == 0);
        QVERIFY(chown(path.constData(), nobody->pw_uid, nobody->pw_gid) == 0);
    }
    // Readable, the store is within that user's reach and saved.
    QVERIFY(chmod(path.constData(), 0600) == 0);
    QCOMPARE(saverResult(*startSaver(file, "runs", 1, "nobody")), QByteArray("failed 0"));
    const QByteArray before = fileBytes::readAll(file);
    QVERIFY(before.contains("runs0=0") && before.contains("reload=false"));
    QVERIFY(chmod(path.constData(), 0200) == 0);
    QCOMPARE(saverResult(*startSaver(file, "runs", 2, "nobody")), QByteArray("failed 2"));
    QVERIFY(chmod(path.constData(), 0600) == 0);
    QCOMPARE(fileBytes::readAll(file), before);
    QCOMPARE(entries(dir.path()), QStringList{"settings.ini"});
}

void tst_SettingsStore::concurrentSavesKept()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    const QStringList keys{"a", "b", "c"};
    const int count = 40;
    std::vector<std::unique_ptr<QProcess>> savers;
    // Two instances of the program, and Qt's settings class writing the same file.
    for (const QString &key : keys)
        savers.push_back(startSaver(file, key, count, key == "c" ? "qt" : QString()));
    for (auto &saver : savers)
        QCOMPARE(saverResult(*saver), QByteArray("failed 0"));
    QSettings reader(file, QSettings::IniFormat);
    QCOMPARE(reader.allKeys().size(), keys.size() * count);
    for (const QString &key : keys)
        for (int i = 0; i < count; ++i)
            QCOMPARE(reader.value(key + QString::number(i)).toInt(), i);
    QCOMPARE(entries(dir.path()), QStringList{"settings.ini"});
}

void tst_SettingsStore::valuesQtReadsOtherwise_data()
{
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QVariant>("set");
    const QVariant none;
    QTest::newRow("mixed list by hand") << QByteArray("[General]\ntags=a, @x\n") << none;
    QTest::newRow("value list by Qt")
        << writtenByQt({{"tags", QVariantList{"a", QByteArray("b"), qQNaN()}}}) << none;
    QTest::newRow("NaN in a map") << writtenByQt({{"limits", QVariantMap{{"max", qQNaN()}}}})
                                  << none;
    QTest::newRow("empty string list") << QByteArray() << QVariant(QStringList());
    QTest::newRow("empty value list") << QByteArray() << QVariant(QVariantList());
    QTest::newRow("list of numbers") << QByteArray() << QVariant(QVariantList{1, 2});
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
        QVERIFY(ours.sync());
        qt.sync();
        QCOMPARE(fileBytes::readAll(file), fileBytes::readAll(qtFile));
    }
}

void tst_SettingsStore::unstorableValueDropped()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    SettingsStore store(file);
    store.setValue("opaque", QVariant::fromValue(Opaque()));
    store.setValue("wd", "/x");
    QVERIFY(store.sync());
    QVERIFY(!store.value("opaque").isValid());
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

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_SettingsStore.moc"
