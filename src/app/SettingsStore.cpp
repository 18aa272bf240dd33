#include "app/SettingsStore.h"

#include "common/writeDiagnostic.h"
#include "common/writeWholeFile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>

namespace
{

/// Keys as Qt's settings class names them: no slash at either end, none doubled.
QString normalizedKey(const QString &key)
{
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

/// A folder beside the store for what a save writes aside, so that a save needs no folder but
/// the store's own. Removed with what it holds when it goes.
QString asideTemplate(const QString &fileName)
{
    return QFileInfo(fileName).absoluteFilePath() + QStringLiteral(".XXXXXX");
}

/// Every key of a settings object with its value, fallbacks included.
void insertAll(QSettings &settings, QVariantMap &values)
{
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
}

/// Every key of the INI file with its value; false when the file is there and cannot be read.
/// `alias` is a name not yet used in `aside`.
bool readIni(const QString &fileName, const QTemporaryDir &aside, const QString &alias,
             QVariantMap &values)
{
    // Read through a link of a name no settings object has used, so that the file is parsed
    // from disk: Qt keeps what it last read or wrote under a name, and takes it again while the
    // file's size and time are unchanged, even where that earlier read had failed.
    const QString link = aside.filePath(alias);
    const bool linked =
        aside.isValid() && QFile::link(QFileInfo(fileName).absoluteFilePath(), link);
    QSettings in(linked ? link : fileName, QSettings::IniFormat);
    values.clear();
    insertAll(in, values);
    return in.status() != QSettings::AccessError;
}

/// The types Qt's INI writer keeps as their text, read back as a string.
bool keptAsText(int type)
{
    switch (type) {
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence:
        return true;
    default:
        return false;
    }
}

/// A value streamed as Qt's INI writer streams what it does not keep as text.
QByteArray streamed(const QVariant &value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(value.userType() == QMetaType::QDateTime ? QDataStream::Qt_5_6
                                                           : QDataStream::Qt_4_0);
    out << value;
    return bytes;
}

/// Whether an INI file can hold the value: every type in it can be streamed. Qt streams what it
/// cannot with a warning and no error, and the value is then lost.
bool storable(const QVariant &value)
{
    const auto all = [](const auto &values) {
        return std::all_of(values.cbegin(), values.cend(), storable);
    };
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return true;
    case QMetaType::QVariantList:
        return all(value.toList());
    case QMetaType::QVariantMap:
        return all(value.toMap());
    case QMetaType::QVariantHash:
        return all(value.toHash());
    default: {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        return QMetaType::save(out, value.userType(), value.constData());
    }
    }
}

/// One value read back against the one written, as Qt keeps it: text as text, the rest streamed
/// and compared by its bytes (a NaN is not equal to itself; its bytes are).
bool keptItem(const QVariant &read, const QVariant &written)
{
    if (keptAsText(written.userType()))
        return read.userType() == QMetaType::QString && read.toString() == written.toString();
    return read.userType() == written.userType() && streamed(read) == streamed(written);
}

/// Qt writes a string list, and any other list but of one item, as a list of its items: it reads
/// back as a list of strings (of values where an item is not text), one item as that item, none
/// as no value. A list of one value is streamed whole.
bool keptValue(const QVariant &read, const QVariant &written)
{
    const int type = written.userType();
    const QVariantList items = written.toList();
    if (type != QMetaType::QStringList && (type != QMetaType::QVariantList || items.size() == 1))
        return keptItem(read, written);
    if (items.isEmpty())
        return !read.isValid();
    if (items.size() == 1)
        return keptItem(read, items.first());
    if (read.userType() != QMetaType::QStringList && read.userType() != QMetaType::QVariantList)
        return false;
    const QVariantList got = read.toList();
    if (got.size() != items.size())
        return false;
    for (int i = 0; i < items.size(); ++i)
        if (!keptItem(got[i], items[i]))
            return false;
    return true;
}

/// Whether the INI file holds exactly these keys, each as Qt keeps the value written: a key
/// missing or a value cut off shows a write cut short.
bool readsBack(const QVariantMap &read, const QVariantMap &written)
{
    if (read.size() != written.size())
        return false;
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        if (!read.contains(it.key()) || !keptValue(read.value(it.key()), it.value()))
            return false;
    return true;
}

/// The INI text Qt's settings class writes for these values, written in `aside` and read back
/// whole into `bytes`; false when it did not come back whole.
bool iniText(const QVariantMap &values, const QTemporaryDir &aside, QByteArray &bytes)
{
    const QString written = aside.filePath(QStringLiteral("written"));
    {
        QSettings out(written, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        if (out.status() != QSettings::NoError)
            return false;
    }
    QFile in(written);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    bytes = in.readAll();
    QVariantMap read;
    return readIni(written, aside, QStringLiteral("read"), read) && readsBack(read, values);
}

/// Takes the lock file Qt's settings class holds from its read of a store to its write.
bool lockStore(QLockFile &lock)
{
    // Qt's own wait doubles a pause of a tenth of a second, where another instance holds the
    // store for milliseconds. A holder that died, or held on past the lock's stale time (half a
    // minute), is set aside by the lock itself; past that, the save fails and is reported.
    const qint64 longest = 45000;
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || waited.hasExpired(longest))
            return false;
        QThread::msleep(5);
    }
    return true;
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(QSettings().fileName())
{
    // As Qt's settings class falls back: the user's file of the organisation, then the
    // system's files of the application and of the organisation.
    const QString organisation = QCoreApplication::organizationName();
    QSettings system(QSettings::SystemScope, organisation, QCoreApplication::applicationName());
    insertAll(system, m_defaults);
    QSettings shared(QSettings::UserScope, organisation);
    shared.setFallbacksEnabled(false);
    insertAll(shared, m_defaults);
}

SettingsStore::SettingsStore(const QString &fileName) : m_fileName(fileName)
{
    // Read as Qt reads it: a store that cannot be read gives the defaults, and is not written.
    const QTemporaryDir aside(asideTemplate(m_fileName));
    readIni(m_fileName, aside, QStringLiteral("store"), m_values);
}

SettingsStore::~SettingsStore()
{
    if (!sync())
        writeDiagnostic("The settings store " + QFile::encodeName(m_fileName) +
                        " could not be written.");
}

QVariant SettingsStore::value(const QString &key, const QVariant &defaultValue) const
{
    const QString name = normalizedKey(key);
    const auto found = m_values.constFind(name);
    return found != m_values.cend() ? *found : m_defaults.value(name, defaultValue);
}

void SettingsStore::setValue(const QString &key, const QVariant &value)
{
    const QString name = normalizedKey(key);
    if (name.isEmpty())
        return;
    // Kept pending, it would fail every later save.
    if (!storable(value)) {
        writeDiagnostic("The setting " + name.toUtf8() +
                        " cannot be kept in the settings store: its value was dropped.");
        return;
    }
    m_values.insert(name, value);
    m_pending.insert(name, value);
}

bool SettingsStore::sync()
{
    if (m_pending.isEmpty())
        return true;
    const QFileInfo store(m_fileName);
    if (!QDir().mkpath(store.absolutePath()))
        return false;
    const QTemporaryDir aside(asideTemplate(m_fileName));
    QLockFile lock(store.absoluteFilePath() + QStringLiteral(".lock"));
    if (!aside.isValid() || !lockStore(lock))
        return false;
    // A store that is there and cannot be read now is never written over.
    QVariantMap merged;
    if (!readIni(m_fileName, aside, QStringLiteral("store"), merged))
        return false;
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        merged.insert(it.key(), it.value());
    QByteArray bytes;
    if (!iniText(merged, aside, bytes) || !writeWholeFile(m_fileName, bytes))
        return false;
    m_values = merged;
    m_pending.clear();
    return true;
}
