#include "app/SettingsStore.h"

#include "common/writeDiagnostic.h"
#include "common/writeWholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace
{

/// Every key of the INI file with its value; false when the file is there and cannot be read.
bool readStore(const QString &fileName, QVariantMap &values)
{
    // Read through a link of a name no settings object has used, so that the file is parsed
    // from disk: Qt keeps what it last read or wrote under a name, and takes it again while the
    // file's size and time are unchanged, even where that earlier read had failed.
    QTemporaryDir aside;
    const QString alias = aside.filePath(QStringLiteral("store"));
    const bool linked =
        aside.isValid() && QFile::link(QFileInfo(fileName).absoluteFilePath(), alias);
    QSettings in(linked ? alias : fileName, QSettings::IniFormat);
    values.clear();
    for (const QString &key : in.allKeys())
        values.insert(key, in.value(key));
    return in.status() != QSettings::AccessError;
}

/// A value as read back from an INI file against the one that was set: numbers and truth values
/// come back as their text, other types as themselves.
bool sameValue(const QVariant &read, const QVariant &set)
{
    if (read.userType() == set.userType())
        return read == set;
    return read.userType() == QMetaType::QString && read.toString() == set.toString();
}

/// Whether the INI file holds exactly these keys with these values.
bool readsBack(const QString &fileName, const QVariantMap &values)
{
    QVariantMap read;
    if (!readStore(fileName, read) || read.size() != values.size())
        return false;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (!read.contains(it.key()) || !sameValue(read.value(it.key()), it.value()))
            return false;
    return true;
}

/// Replaces the store at fileName by one holding exactly these values, or leaves it untouched.
bool writeStore(const QString &fileName, const QVariantMap &values)
{
    // Qt's settings class gives its INI text only as a file: it is written aside and read back,
    // and those bytes then replace the store whole, or not at all.
    QTemporaryDir aside;
    if (!aside.isValid())
        return false;
    const QString written = aside.filePath(QStringLiteral("store"));
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
    const QByteArray bytes = in.readAll();
    return readsBack(written, values) && QDir().mkpath(QFileInfo(fileName).absolutePath()) &&
           writeWholeFile(fileName, bytes);
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(QSettings().fileName()) {}

SettingsStore::SettingsStore(const QString &fileName) : m_fileName(fileName)
{
    readStore(m_fileName, m_values);
}

SettingsStore::~SettingsStore()
{
    if (!sync())
        writeDiagnostic("The settings store " + QFile::encodeName(m_fileName) +
                        " could not be written.");
}

QVariant SettingsStore::value(const QString &key, const QVariant &defaultValue) const
{
    return m_values.value(key, defaultValue);
}

void SettingsStore::setValue(const QString &key, const QVariant &value)
{
    m_values.insert(key, value);
    m_pending.insert(key, value);
}

bool SettingsStore::sync()
{
    if (m_pending.isEmpty())
        return true;
    QVariantMap merged;
    // A store that cannot be read now is not emptied by the save: what was read before stands.
    if (!readStore(m_fileName, merged))
        merged = m_values;
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        merged.insert(it.key(), it.value());
    if (!writeStore(m_fileName, merged))
        return false;
    m_values = merged;
    m_pending.clear();
    return true;
}
