#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

/// The settings store: what the application keeps between runs (run count, working directory,
/// reload preference, last problem and graph), one INI file read and written by Qt's settings
/// class, at the platform's place or at a file of the caller's.
///
/// Qt's settings class takes a read that an I/O error cuts short for the end of the file, so the
/// store is read as a save reads it: whole, under its lock, parsed from a copy to its end. A store
/// file that is there and cannot be read so is never saved over: its values were not read.
///
/// Qt's settings class writes its file through a buffered save file that misses a short write,
/// so a store cut off by a full disk or a file size limit would replace the whole one and be
/// answered as saved; and it writes on its own, after any change, when no one checks. Nothing is
/// therefore ever set on a settings object of the store's own file: each save has Qt's class
/// write the new store in a folder of the store's own, "<store>.saving", reads it back, and
/// renames it over the store only when it came back whole. Everything else is as Qt's settings
/// class does it: the same lock file held from the read to the write, keys named alike, and for
/// the application's store the same fallback files read as defaults.
///
/// Beside the store, and beside the file a link of its name leads to, a save or a read makes,
/// changes or removes nothing but the store, the lock files of Qt's class, and that folder, under
/// the lock (where none may be made, a read parses its copy in a temporary folder instead);
/// an entry of the folder's name that is not the store's makes the save fail. A save waits a few
/// seconds at most for the lock, held by a live program, even a stopped one. A lock file left
/// empty by a program killed as it made it is no holder: once a few seconds old, and flocked by
/// nobody, it is removed, where Qt's lock would take it for held for half a minute; so is the
/// remover's lock file (".rmlock", and every one behind it) of a program killed while it
/// removed one.
class SettingsStore
{
public:
    /// The application's store, where Qt's settings class puts it for the organisation and
    /// application names, with the organisation's and the system's files as its defaults.
    SettingsStore();
    /// A store of the caller's, without fallback files.
    explicit SettingsStore(const QString &fileName);
    /// Saves what was set and not saved yet. Nobody is left to answer a failure then: it is
    /// said on standard error. A store not read is left as it is, without a word.
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QString fileName() const { return m_fileName; }
    /// Why the store's file could not be read whole when the store was made or last read again,
    /// in the system's words where it has them; empty when it was read, or when its name holds
    /// no file (none, a folder, a path below a plain file), an empty store. While not empty,
    /// no save writes the store.
    QString readError() const { return m_readError; }
    /// Reads the store's file again, the values set here over it; true when it was read.
    bool reread();
    /// Why the last save failed, in the system's words where it has them.
    QString errorString() const { return m_error; }
    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    /// Kept here until the next save. A value that an INI file cannot hold (a type without
    /// stream operators) is dropped, with a line on standard error naming its key.
    void setValue(const QString &key, const QVariant &value);
    /// Writes the store: its keys as on disk now (another instance's saves included), with the
    /// values set here since the last save over them. True only when the new store read back
    /// whole and took the old one's place; otherwise the old store is left as it was and the
    /// values set here wait for the next save. A store that is there and cannot be read, or may
    /// not be written, is never written over, nor is a store not read (readError). Nothing set
    /// since the last save: nothing written.
    bool sync();

private:
    QString m_fileName;
    QVariantMap m_values;   // as last read or saved, with m_pending over it
    QVariantMap m_pending;  // set here and not saved yet
    QVariantMap m_defaults; // from the fallback files, under m_values
    QString m_readError;
    QString m_error;
};
