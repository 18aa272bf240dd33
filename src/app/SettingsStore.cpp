#include "app/SettingsStore.h"

#include "app/takeLock.h"
#include "common/finalFile.h"
#include "common/readWholeFile.h"
#include "common/writeDiagnostic.h"
#include "common/writeWholeFile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

/// Keys as Qt's settings class names them: no slash at either end, none doubled.
QString normalizedKey(const QString &key)
{
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

/// Every key of a settings object with its value, fallbacks included. Qt's settings class looks a
/// key up by its plain form, so a key written otherwise by hand (empty, a slash at an end or
/// doubled) is never found; it is left out, as a save could not write it back as it was read.
void insertAll(QSettings &settings, QVariantMap &values)
{
    for (const QString &key : settings.allKeys())
        if (normalizedKey(key) == key && !key.isEmpty())
            values.insert(key, settings.value(key));
}

/// The store's name from the root, ".." left for the system to follow after the links in front
/// of it, as every other use of the name follows it.
QString absoluteName(const QString &name)
{
    return QDir::isAbsolutePath(name) ? name : QDir::currentPath() + QLatin1Char('/') + name;
}

/// A name in the store's folder that this process has not used before: Qt's settings class
/// keeps what it last read or wrote under a name, and takes it again while the file's size and
/// time are unchanged, even where the file is another by then.
QString countedName(const QString &folder, const char *kind)
{
    static std::atomic<quint64> count{0};
    return folder + QLatin1Char('/') + QString::number(++count) + QLatin1Char('.') +
           QLatin1String(kind);
}

/// Whether a name in the store's folder is one a save gives, or one Qt's settings class
/// derives from it: its lock file, and its save file's temporary where the file system makes
/// no unnamed ones.
bool savedName(const QByteArray &name)
{
    static const QRegularExpression counted(QRegularExpression::anchoredPattern(
        QStringLiteral("[1-9][0-9]*\\.(ini|written(\\.lock|\\.[A-Za-z0-9]{6})?)")));
    return counted.match(QFile::decodeName(name)).hasMatch();
}

/// The entries of an open folder, when all are files a save made there.
bool ownEntries(DIR *folder, std::vector<QByteArray> &names)
{
    errno = 0;
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        struct stat info;
        if (name == "." || name == "..")
            continue;
        if (::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || !savedName(name))
            return false;
        names.push_back(name);
    }
    return errno == 0;
}

/// Removes the folder the store writes in, with what a save wrote there; true when it is not
/// there. An entry of that name that is not the store's (a file, a link, a folder holding
/// anything else) is left as it is, and said on standard error. Emptied through the folder
/// itself, not its name: swapped for a link meanwhile, it cannot lead the removal elsewhere.
bool removeOwnFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int opened = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (opened < 0 && errno == ENOENT)
        return true;
    // Not a folder, or a link: the store did not make it. Otherwise it cannot be told.
    if (opened < 0 && errno != ELOOP && errno != ENOTDIR)
        return false;
    DIR *const folder = opened < 0 ? nullptr : ::fdopendir(opened);
    const auto closeFolder = qScopeGuard([&] {
        if (folder)
            ::closedir(folder);
        else if (opened >= 0)
            ::close(opened);
    });
    std::vector<QByteArray> names;
    if (!folder || !ownEntries(folder, names)) {
        writeDiagnostic(name + " is not the settings store's own: the store was not saved.");
        return false;
    }
    for (const QByteArray &entry : names)
        if (::unlinkat(::dirfd(folder), entry.constData(), 0) != 0 && errno != ENOENT)
            return false;
    // By name, which fails on a link.
    return ::rmdir(name.constData()) == 0;
}

/// Makes `fileName`, of a name not used before, these bytes; false, and why, unless all came out.
bool writeNewFile(const QString &fileName, const QByteArray &bytes, QString &why)
{
    QFile file(fileName);
    // Unbuffered: a file size limit or a full disk shows in the count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered) ||
        !writeAllBytes(file, bytes)) {
        why = QStringLiteral("%1 could not be written: %2").arg(fileName, file.errorString());
        return false;
    }
    file.close();
    if (file.error() == QFileDevice::NoError && QFileInfo(fileName).size() == bytes.size())
        return true;
    why = QStringLiteral("%1 could not be written").arg(fileName);
    return false;
}

/// Whether a key or a value holds the text.
bool heldWithin(const QVariantMap &values, const QString &text)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (it.key().contains(text) || it.value().toString().contains(text) ||
            it.value().toStringList().join(QLatin1Char('\n')).contains(text))
            return true;
    return false;
}

/// The values as bytes, for a comparison that takes a NaN for itself.
QByteArray streamed(const QVariantMap &values)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << values;
    return bytes;
}

/// Whether the text ends in a backslash that escapes what would follow it.
bool endsInEscape(const QByteArray &bytes)
{
    int run = 0;
    for (int i = bytes.size() - 1; i >= 0 && bytes[i] == '\\'; --i)
        ++run;
    return run % 2 == 1;
}

/// Every key of INI text as Qt's settings class reads it, parsed from a copy in `folder`;
/// false, and why, when the copy could not be written whole or read to its end. Qt's settings
/// class takes a read that fails part way for the end of the file, and says nothing: so the copy
/// ends in a key of this process's own, that no store holds, and the parse counts only where it
/// came back.
bool parseIni(const QByteArray &bytes, const QString &folder, QVariantMap &values, QString &why)
{
    static const QByteArray token =
        QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    static const QString endKey = QStringLiteral("end-%1/end").arg(QLatin1String(token));
    // Blank lines first, for a last line left open by an escaped line end.
    const QByteArray end = "\n\n[end-" + token + "]\nend=" + token + "\n";
    const auto parsed = [&](const QByteArray &text) {
        const QString copy = countedName(folder, "ini");
        if (!writeNewFile(copy, text, why))
            return false;
        QSettings in(copy, QSettings::IniFormat);
        values.clear();
        insertAll(in, values);
        if (in.status() == QSettings::AccessError) {
            why = QStringLiteral("Qt's settings class could not read %1").arg(copy);
            return false;
        }
        if (values.take(endKey).toString() == QLatin1String(token))
            return true;
        why = QStringLiteral("it was not read to its end");
        return false;
    };
    if (parsed(bytes + end))
        return true;
    // A last line left open by a quote (by hand: Qt's class closes its own) takes in the end key.
    // A second copy closes that quote, as the end of the text closes it to Qt's class, which
    // drops an escape left open there as it drops an escaped line end: its end key comes back
    // only where a quote was left open. Opened in a value, the quote took the end key into it, so
    // the first copy was read past the store's last byte. Opened elsewhere, it takes its line out
    // of the keys, the end key with it, so the first copy holds what the second does unless an
    // I/O error cut it short of something.
    const bool pastEnd = heldWithin(values, QString::fromLatin1(token));
    const QByteArray first = streamed(values);
    if (!parsed(bytes + (endsInEscape(bytes) ? "\n\"" : "\"") + end))
        return false;
    if (pastEnd || streamed(values) == first)
        return true;
    why = QStringLiteral("it was not read to its end");
    return false;
}

/// The keys of an INI file as on disk now, read whole and parsed from a copy in `folder`: none
/// when it is not there; false, and why, when it is there and cannot be read whole.
bool readIni(const QString &fileName, const QString &folder, QVariantMap &values, QString &why)
{
    QByteArray bytes;
    int error = 0;
    if (readWholeFile(fileName, bytes, &error) || error == ENOENT)
        return parseIni(bytes, folder, values, why);
    why = systemErrorText(error);
    return false;
}

/// Runs `work` on the file the store's name leads to, under the locks a save takes and with the
/// store's folder made for it, removed after; false, and why, when it could not, or when `work`
/// said so. `refused`, when given, is set when a lock file may not be made there.
bool underLock(const QString &store,
               const std::function<bool(const QString &target, const QString &folder)> &work,
               QString &why, bool *refused = nullptr)
{
    const QString target = finalFile(store);
    // Qt's settings class locks the name it was given. The file replaced is locked as well, as
    // a writer of its own name locks it, and so is the folder beside it.
    QElapsedTimer waited;
    waited.start();
    const QString lockName = store + QStringLiteral(".lock"),
                  targetLockName = target + QStringLiteral(".lock");
    QLockFile lock(lockName), targetLock(targetLockName);
    if (!takeLock(lock, lockName, waited, why, refused) ||
        (QFileInfo(store).isSymLink() &&
         !takeLock(targetLock, targetLockName, waited, why, refused)))
        return false;
    // Left by a save killed half way, the folder is gone before another is made. Private (no
    // mode change needed for it), as the store may be.
    const QString folder = target + QStringLiteral(".saving");
    if (!removeOwnFolder(folder)) {
        why = QStringLiteral("%1 is not its own").arg(folder);
        return false;
    }
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0) {
        why = QStringLiteral("%1 could not be made: %2").arg(folder, systemErrorText(errno));
        return false;
    }
    const auto removeFolder = qScopeGuard([&] { removeOwnFolder(folder); });
    return work(target, folder);
}

/// A new INI file in `folder` that Qt's settings class wrote with these values; none when it
/// said the write failed.
QString writeIni(const QVariantMap &values, const QString &folder)
{
    const QString written = countedName(folder, "written");
    QSettings out(written, QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        out.setValue(it.key(), it.value());
    out.sync();
    return out.status() == QSettings::NoError ? written : QString();
}

/// Whether INI text Qt's settings class wrote is whole, not cut off by a full disk or a file size
/// limit that its save file missed: it writes every line whole, ending it with a line end (a
/// line end within a value is escaped), and a key on a line of its own. So a cut within a line
/// leaves no line end last, and a cut between lines a key missing.
bool wholeIni(const QByteArray &bytes, const QVariantMap &read, const QVariantMap &written)
{
    return bytes.endsWith('\n') && read.keys() == written.keys();
}

/// Whether INI text can hold the value: every type in it can be streamed. Qt streams what it
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

/// The application's store as Qt's settings class names it, found without having that class
/// read it: the organisation's file, which it reads anyway, lies beside a folder of that name
/// holding the application's.
QString applicationStore()
{
    const QSettings organisation(QSettings::UserScope, QCoreApplication::organizationName());
    const QString application = QCoreApplication::applicationName(),
                  shared = organisation.fileName();
    const QString suffix = QStringLiteral(".conf");
    if (application.isEmpty() || !shared.endsWith(suffix))
        return shared;
    return shared.chopped(suffix.size()) + QLatin1Char('/') + application + suffix;
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(applicationStore())
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
    // Its first read already writes (a copy of the store): a store larger than a file size
    // limit must be a read that fails, not the end of the program.
    failWritesPastFileSizeLimit();
    reread();
}

SettingsStore::~SettingsStore()
{
    // A store not read has nothing of this run to keep: its file is left as it is.
    if (m_readError.isEmpty() && !sync())
        writeDiagnostic("The settings store " + QFile::encodeName(m_fileName) +
                        " could not be written: " + m_error.toLocal8Bit() + ".");
}

bool SettingsStore::reread()
{
    // Read as a save reads it, whole and under its lock. A name that holds no file (none, a
    // folder, a path below a plain file) is an empty store: a save there fails on its own.
    const QString store = absoluteName(m_fileName);
    const QString target = finalFile(store);
    struct stat info;
    QVariantMap values;
    QString why;
    bool refused = false;
    const auto read = [&](const QString &file, const QString &folder) {
        return readIni(file, folder, values, why);
    };
    if (::stat(QFile::encodeName(target).constData(), &info) != 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            why = systemErrorText(errno);
    } else if (!S_ISDIR(info.st_mode)) {
        bool done = underLock(store, read, why, &refused);
        // Where no lock file may be made, no save replaces the store either: read as it is,
        // its copy parsed in a folder of this process's own.
        if (!done && refused) {
            const QTemporaryDir own;
            done = own.isValid() && read(target, own.path());
        }
        if (done)
            why.clear();
    }
    m_readError = why;
    if (!why.isEmpty())
        return false;
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        values.insert(it.key(), it.value());
    m_values = values;
    return true;
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
    // Values over a store this run did not read would write over what it holds.
    if (!m_readError.isEmpty()) {
        m_error = QStringLiteral("it could not be read: %1").arg(m_readError);
        return false;
    }
    if (m_pending.isEmpty())
        return true;
    const QString store = absoluteName(m_fileName);
    if (!QDir().mkpath(QFileInfo(store).absolutePath())) {
        m_error = QStringLiteral("its folder could not be made");
        return false;
    }
    QVariantMap merged;
    const auto save = [&](const QString &target, const QString &folder) {
        // A store that is there and cannot be read, or may not be written, is never written
        // over.
        const QFileInfo old(target);
        if (old.exists() && !old.isWritable()) {
            m_error = systemErrorText(EACCES);
            return false;
        }
        if (!readIni(target, folder, merged, m_error))
            return false;
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
            merged.insert(it.key(), it.value());
        // Qt's save file has synced the new store to disk; it takes the old one's place whole,
        // with its permissions where the file system keeps them.
        const QString written = writeIni(merged, folder);
        QByteArray bytes;
        QVariantMap read;
        if (written.isEmpty() || !readWholeFile(written, bytes) ||
            !parseIni(bytes, folder, read, m_error) || !wholeIni(bytes, read, merged)) {
            m_error = QStringLiteral("the new store could not be written whole in %1").arg(folder);
            return false;
        }
        struct stat mode;
        if (::stat(QFile::encodeName(target).constData(), &mode) == 0)
            ::chmod(QFile::encodeName(written).constData(), mode.st_mode & 07777);
        if (std::rename(QFile::encodeName(written).constData(),
                        QFile::encodeName(target).constData()) != 0) {
            m_error = QStringLiteral("it could not be replaced: %1").arg(systemErrorText(errno));
            return false;
        }
        return true;
    };
    if (!underLock(store, save, m_error))
        return false;
    m_error.clear();
    m_values = merged;
    m_pending.clear();
    return true;
}
