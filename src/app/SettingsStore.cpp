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

/// Every entry of a folder, hidden ones included.
constexpr QDir::Filters everyEntry =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

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

/// Makes `fileName`, of a name not used before, these bytes; false unless all came out.
bool writeNewFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    // Unbuffered: a file size limit or a full disk shows in the count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size())
        return false;
    file.close();
    return file.error() == QFileDevice::NoError && QFileInfo(fileName).size() == bytes.size();
}

/// Every key of INI text as Qt's settings class reads it; false when it could not be read whole.
/// `name` is not yet used in `aside`.
bool parseIni(const QByteArray &bytes, const QTemporaryDir &aside, const QString &name,
              QVariantMap &values)
{
    // Parsed from a copy of a name no settings object has used: Qt keeps what it last read or
    // wrote under a name, and takes it again while the file's size and time are unchanged, even
    // where the file is another by then. A copy works where links cannot be made.
    const QString copy = aside.filePath(name);
    if (!writeNewFile(copy, bytes))
        return false;
    QSettings in(copy, QSettings::IniFormat);
    values.clear();
    insertAll(in, values);
    return in.status() != QSettings::AccessError;
}

/// The bytes of a file as on disk now: none when it is not there, false when it is there and
/// cannot be read.
bool readFile(const QString &fileName, QByteArray &bytes)
{
    bytes.clear();
    QFile file(fileName);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
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

bool sameStreamed(const QVariant &read, const QVariant &written);

/// Maps and hashes of the same keys, each with the same values, whatever their order: a hash
/// read back iterates in an order of its own.
template <class Map> bool sameEntries(const Map &read, const Map &written)
{
    if (read.size() != written.size())
        return false;
    for (const QString &key : written.uniqueKeys()) {
        const QVariantList got = read.values(key), want = written.values(key);
        if (got.size() != want.size() ||
            !std::equal(got.cbegin(), got.cend(), want.cbegin(), sameStreamed))
            return false;
    }
    return true;
}

/// A value Qt streamed and read back against the one written: maps, hashes and lists by their
/// items, the rest by its bytes (a NaN is not equal to itself; its bytes are).
bool sameStreamed(const QVariant &read, const QVariant &written)
{
    if (read.userType() != written.userType())
        return false;
    switch (written.userType()) {
    case QMetaType::QVariantMap:
        return sameEntries(read.toMap(), written.toMap());
    case QMetaType::QVariantHash:
        return sameEntries(read.toHash(), written.toHash());
    case QMetaType::QVariantList: {
        const QVariantList got = read.toList(), want = written.toList();
        return got.size() == want.size() &&
               std::equal(got.cbegin(), got.cend(), want.cbegin(), sameStreamed);
    }
    default:
        return streamed(read) == streamed(written);
    }
}

/// One value read back against the one written, as Qt keeps it: text as text, the rest streamed.
bool keptItem(const QVariant &read, const QVariant &written)
{
    if (keptAsText(written.userType()))
        return read.userType() == QMetaType::QString && read.toString() == written.toString();
    return sameStreamed(read, written);
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
    return got.size() == items.size() &&
           std::equal(got.cbegin(), got.cend(), items.cbegin(), keptItem);
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
    // A file gone missing reads back as no keys, which cannot be these.
    QVariantMap read;
    return readFile(written, bytes) && parseIni(bytes, aside, QStringLiteral("read"), read) &&
           readsBack(read, values);
}

/// Takes the lock file Qt's settings class holds from its read of a store to its write.
bool lockStore(QLockFile &lock)
{
    // Qt's own wait doubles a pause of a tenth of a second, where another instance holds the
    // store for milliseconds. The lock clears a holder that has ended; a live one, even stopped,
    // keeps it however long, its stale time notwithstanding. So a save gives up after a few
    // seconds, and is reported with its values kept for the next, rather than freeze the window.
    const qint64 longest = 5000;
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || waited.hasExpired(longest))
            return false;
        QThread::msleep(5);
    }
    return true;
}

/// Whether a name in the store's folder is `base` with the suffix Qt's temporary files and
/// folders add: a dot and six random letters.
bool temporaryOf(const QString &name, const QString &base)
{
    if (name.size() != base.size() + 7 || !name.startsWith(base + QLatin1Char('.')))
        return false;
    const QStringRef letters = name.rightRef(6);
    return std::all_of(letters.cbegin(), letters.cend(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    });
}

/// Whether a folder holds only what a save writes aside: the names parseIni and iniText give,
/// with the lock and save-file temporaries of Qt's settings class writing there.
bool onlyAside(const QDir &folder)
{
    const QStringList names{QStringLiteral("store"), QStringLiteral("written"),
                            QStringLiteral("read")};
    for (const QFileInfo &entry : folder.entryInfoList(everyEntry)) {
        const QString name = entry.fileName();
        const bool known = std::any_of(names.cbegin(), names.cend(), [&](const QString &base) {
            return name == base || name == base + QStringLiteral(".lock") ||
                   temporaryOf(name, base);
        });
        if (!known || (entry.isDir() && !entry.isSymLink()))
            return false;
    }
    return true;
}

/// Removes from `folder` what saves of the file `base` there left when killed half way: folders
/// written aside (`aside`), and save-file temporaries. A name of one case after its first
/// letter, such as "backup", is taken for a user's file and left.
void removeLeftovers(const QDir &folder, const QString &base, bool aside)
{
    for (const QString &name : folder.entryList(everyEntry)) {
        const QFileInfo entry(folder.filePath(name));
        if (!temporaryOf(name, base) || entry.isSymLink())
            continue;
        if (entry.isDir()) {
            QDir left(entry.filePath());
            if (!aside || !onlyAside(left))
                continue;
            for (const QString &inside : left.entryList(everyEntry))
                left.remove(inside);
            folder.rmdir(name);
        } else if (entry.isFile()) {
            const QString random = name.right(5);
            if (random != random.toLower() && random != random.toUpper())
                QFile::remove(entry.filePath());
        }
    }
}

/// Removes what earlier saves of the store left, killed half way: folders beside it, and save
/// files beside it or beside the file a link of that name leads to. Only under the store's lock,
/// which every writer of the store holds, Qt's settings class included: nobody is writing them.
void removeLeftovers(const QString &fileName)
{
    const QFileInfo store(QFileInfo(fileName).absoluteFilePath());
    removeLeftovers(store.absoluteDir(), store.fileName(), true);
    if (!store.isSymLink())
        return;
    const QFileInfo target(store.canonicalFilePath());
    if (!target.filePath().isEmpty() && target.filePath() != store.filePath())
        removeLeftovers(target.absoluteDir(), target.fileName(), false);
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
    // Read in place: what the store writes aside is written only under the lock, and a start
    // does not wait for it.
    QSettings in(m_fileName, QSettings::IniFormat);
    insertAll(in, m_values);
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
    QLockFile lock(store.absoluteFilePath() + QStringLiteral(".lock"));
    if (!lockStore(lock))
        return false;
    removeLeftovers(m_fileName);
    // Made after the lock, so gone before it is released.
    const QTemporaryDir aside(asideTemplate(m_fileName));
    if (!aside.isValid())
        return false;
    // A store that is there and cannot be read now is never written over.
    QByteArray bytes;
    QVariantMap merged;
    if (!readFile(m_fileName, bytes) || !parseIni(bytes, aside, QStringLiteral("store"), merged))
        return false;
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        merged.insert(it.key(), it.value());
    if (!iniText(merged, aside, bytes) || !writeWholeFile(m_fileName, bytes))
        return false;
    m_values = merged;
    m_pending.clear();
    return true;
}
