#include "FileSizeLimit.h"

#include "app/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

QByteArray bytesOf(const QString &fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

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
    QCOMPARE(bytesOf(newStore), bytesOf(oldStore));
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
    const QByteArray before = bytesOf(file);
    const QStringList files = entries(dir.path());
    {
        FileSizeLimit limit(2048);
        QVERIFY(limit.ok);
        store.setValue("wd", "/elsewhere");
        QVERIFY(!store.sync());
        QCOMPARE(bytesOf(file), before);
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

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_SettingsStore.moc"
