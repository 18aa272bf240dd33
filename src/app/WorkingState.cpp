#include "app/WorkingState.h"

#include "app/Console.h"
#include "app/SettingsStore.h"
#include "common/Prompts.h"
#include "common/finalFile.h"
#include "common/readWholeFile.h"
#include "common/writeWholeFile.h"
#include "graph/Graph.h"
#include "problem/Problem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

namespace
{

/// Moves an autosave file that could not be restored to a name of its own beside it, never
/// over an earlier kept one, so the next autosave cannot overwrite it. Where the name is a link,
/// the bytes are what is kept: the file it leads to moves, the link stays as the user made it.
/// Where the bytes now are, or empty when they could not be moved.
QString keepAside(const QString &path)
{
    const QString file = QFileInfo(path).isSymLink() ? finalFile(path) : path;
    const QString base = file + QStringLiteral(".unrestored");
    QString aside = base;
    for (int k = 2; QFileInfo(aside).exists() || QFileInfo(aside).isSymLink(); ++k)
        aside = base + QLatin1Char('.') + QString::number(k);
    // QFile::rename never replaces an existing file, should one appear meanwhile.
    return QFile::rename(file, aside) ? aside : QString();
}

} // namespace

WorkingState::FileId WorkingState::FileId::of(const QString &path)
{
    struct stat file;
    if (::stat(QFile::encodeName(path).constData(), &file) != 0 || !S_ISREG(file.st_mode))
        return {};
    return {true, quint64(file.st_dev), quint64(file.st_ino)};
}

bool WorkingState::FileId::operator==(const FileId &other) const
{
    return known && other.known && device == other.device && inode == other.inode;
}

WorkingState::WorkingState(SettingsStore *settings, Problem *board, Graph *graph, Graph *backup,
                           Console *console, QWidget *dialogParent)
    : m_settings(settings), m_board(board), m_graph(graph), m_backup(backup), m_console(console),
      m_dialogParent(dialogParent)
{
    connect(&m_autosave, &QTimer::timeout, this, &WorkingState::slot_autosave);
}

bool WorkingState::restore()
{
    // Before anything is written: a file size limit makes a save fail and be reported, never
    // end the program with the work unsaved.
    failWritesPastFileSizeLimit();
    SettingsStore &s = *m_settings;
    // A store that could not be read holds a working state this run would write over: asked
    // about before anything is restored or written, as long as the user wants it read again.
    while (!s.readError().isEmpty()) {
        if (!Prompts::instance().question(
                m_dialogParent, tr("Settings store"),
                tr("The settings store %1 could not be read: %2.\n\nRead it again? Otherwise this "
                   "run goes on without it: nothing is restored, and nothing of the working "
                   "state is saved.")
                    .arg(storeName(), s.readError()))) {
            m_withoutStore = true;
            break;
        }
        s.reread();
    }
    if (m_withoutStore)
        m_console->append(tr("This run goes on without the settings store %1, which could not be "
                             "read: nothing of its working state is saved.")
                              .arg(storeName()),
                          false, 0, QColor(Qt::red));
    s.setValue(QStringLiteral("runs"), s.value(QStringLiteral("runs"), 0).toInt() + 1);
    setWorkingDirectory(s.value(QStringLiteral("wd"), QDir::homePath()).toString());

    const bool restoring = !m_withoutStore && s.value(QStringLiteral("reload"), true).toBool() &&
                           !s.value(QStringLiteral("problem")).toString().isEmpty();
    const bool graphDue = restoring && !s.value(QStringLiteral("graph")).toString().isEmpty();
    // Cleared first, and on disk before the attempt: a graph that cannot be restored is not
    // tried again at the next start.
    if (restoring)
        s.setValue(QStringLiteral("graph"), QString());
    saveStore();
    if (!restoring)
        return false;
    const bool boardBack = m_board->autoload();
    const bool graphBack = boardBack && graphDue && m_graph->autoload();
    // Back at once: a program that dies before the first autosave must not lose the graph at
    // its next start, nor have that start's autosave overwrite the graph file.
    if (graphBack) {
        s.setValue(QStringLiteral("graph"), m_graph->graphData());
        saveStore();
    }
    if (!boardBack || (graphDue && !graphBack))
        warnUnrestored(boardBack, graphDue);
    if (!graphDue) {
        // The store names no graph when a start before this one was cut off between its two
        // saves: the graph file there is the last graph, not read, so not written over either.
        const QString graphFile = m_graph->autosaveFileName();
        keepBeforeWrite(graphFile);
        if (QFileInfo(graphFile).isFile())
            m_console->append(tr("The graph was not restored: the settings store names none. %1, "
                                 "which was not read, is kept aside before it is first written.")
                                  .arg(QDir::toNativeSeparators(graphFile)),
                              false, 0, QColor(Qt::darkYellow));
    }
    return boardBack;
}

void WorkingState::startAutosave()
{
    m_autosave.start(60000);
}

void WorkingState::warnUnrestored(bool boardBack, bool graphDue)
{
    // Every file that was due and did not come back is kept aside before the first autosave;
    // one that is not there yet (a folder not mounted) or could not be moved, once met.
    QStringList files;
    if (!boardBack)
        files << m_board->autosavePath();
    if (graphDue)
        files << m_graph->autosaveFileName();
    QStringList kept, stuck;
    for (const QString &f : files) {
        if (!QFileInfo(f).isFile()) {
            keepBeforeWrite(f);
            continue;
        }
        const QString aside = keepAside(f);
        if (aside.isEmpty())
            keepBeforeWrite(f);
        (aside.isEmpty() ? stuck : kept) << QDir::toNativeSeparators(aside.isEmpty() ? f : aside);
    }
    const QString wd = QDir::toNativeSeparators(m_wd);
    QString text = boardBack ? tr("The graph could not be restored from %1: the white board was "
                                  "restored, the graph starts anew.")
                                   .arg(wd)
                             : tr("The problem could not be restored from %1: the white board "
                                  "and the graph start anew.")
                                   .arg(wd);
    if (kept.size() == 1)
        text += QLatin1Char(' ') + tr("The file that was not restored is kept as %1.").arg(kept[0]);
    else if (kept.size() > 1)
        text += QLatin1Char(' ') +
                tr("The files that were not restored are kept as %1.").arg(kept.join(tr(" and ")));
    if (!stuck.isEmpty())
        text += QLatin1Char(' ') + tr("%1 could not be kept aside.").arg(stuck.join(tr(" and ")));
    Prompts::instance().message(m_dialogParent, Prompts::Level::Warning, tr("Warning"), text);
}

void WorkingState::keepBeforeWrite(const QString &path)
{
    m_keepBeforeWrite.append({path, FileId::of(path)});
}

bool WorkingState::replacesUnread(const QString &path) const
{
    const FileId replaced = FileId::of(path);
    if (!replaced.known)
        return false;
    // Where nothing was there at the start, the file is known by where its path leads now.
    return std::any_of(m_keepBeforeWrite.cbegin(), m_keepBeforeWrite.cend(),
                       [&](const Unread &u) {
                           return u.file == replaced || FileId::of(u.path) == replaced;
                       }) &&
           !holdsOwnBytes(path);
}

bool WorkingState::holdsOwnBytes(const QString &path) const
{
    const auto own = m_written.constFind(finalFile(path));
    if (own == m_written.cend())
        return false;
    // The size first: a large file of someone else's is not read to learn it is not ours.
    QByteArray bytes;
    return QFileInfo(path).size() == own->size() && readWholeFile(path, bytes) && bytes == *own;
}

bool WorkingState::writeAutosave(bool board, QString *error)
{
    const QString path = board ? m_board->autosavePath() : m_graph->autosaveFileName();
    // Said of what the file holds, not of when it came: a drive mounted or a file rewritten
    // after the start is kept aside too.
    if (replacesUnread(path)) {
        const QString aside = keepAside(path);
        if (aside.isEmpty()) {
            if (error)
                *error =
                    tr("it holds a state this run did not restore or last write, and could not be "
                       "kept aside");
            return false;
        }
        m_console->append(
            tr("%1 holds a state this run did not restore or last write: it is kept as %2.")
                .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside)),
            false, 0, QColor(Qt::darkYellow));
    }
    QByteArray written;
    if (!(board ? m_board->autosave(error, &written) : m_graph->autosave(error, &written)))
        return false;
    m_written.insert(finalFile(path), written);
    return true;
}

void WorkingState::setWorkingDirectory(const QString &wd)
{
    m_wd = wd;
    m_board->setWD(wd);
    m_graph->setWD(wd);
    m_backup->setWD(wd);
    emit signal_wd_changed(wd);
}

bool WorkingState::slot_set_wd(const QString &wd, QString *refusal)
{
    const QString chosen = QDir::toNativeSeparators(wd), current = QDir::toNativeSeparators(m_wd);
    const auto refuse = [&](const QString &why) {
        m_board->setWD(m_wd);
        m_graph->setWD(m_wd);
        if (refusal)
            *refusal = why + QLatin1Char(' ') + tr("The working directory stays %1.").arg(current);
        return false;
    };
    if (m_withoutStore)
        return refuse(tr("The settings store %1 could not be read at the start: this run cannot "
                         "record a working directory.")
                          .arg(storeName()));
    // The working state goes into the folder before the store names it: a kill at any moment
    // leaves a store whose folder holds that state, the old one until the store is saved. What
    // the folder held under those names goes back should the choice be refused.
    m_board->setWD(wd);
    m_graph->setWD(wd);
    const QString files[2] = {m_board->autosavePath(), m_graph->autosaveFileName()};
    QByteArray before[2];
    bool held[2] = {false, false};
    for (int k : {0, 1}) {
        int error = 0;
        held[k] = QFileInfo(files[k]).isFile();
        if (held[k] && !readWholeFile(files[k], before[k], &error))
            return refuse(
                tr("The working state could not be written into %1: %2 could not be "
                   "read first (%3).")
                    .arg(chosen, QDir::toNativeSeparators(files[k]), systemErrorText(error)));
    }
    int written = 0;
    // What could not be put back is left there, and said.
    const auto putBack = [&] {
        QStringList left;
        for (int k = 0; k < written; ++k)
            if (held[k] ? !writeWholeFile(files[k], before[k])
                        : !QFile::remove(finalFile(files[k]))) // a link there stays
                left << QDir::toNativeSeparators(files[k]);
        return left.isEmpty() ? tr("The folder was put back as it was.")
                              : tr("%1 was written there and could not be put back.")
                                    .arg(left.join(tr(" and ")));
    };
    QString why;
    for (int k : {0, 1}) {
        if (!writeAutosave(k == 0, &why))
            return refuse(tr("The working state could not be written into %1: %2 could not be "
                             "written (%3).")
                              .arg(chosen, QDir::toNativeSeparators(files[k]), why) +
                          QLatin1Char(' ') + putBack());
        ++written;
    }
    m_settings->setValue(QStringLiteral("wd"), wd);
    keepWorkingState();
    // The choice counts only once the store names it: a later kill must find this folder.
    if (!m_settings->sync()) {
        m_settings->setValue(QStringLiteral("wd"), m_wd);
        return refuse(tr("The settings store %1 could not be saved (%2), and cannot record %3 as "
                         "the working directory.")
                          .arg(storeName(), m_settings->errorString(), chosen) +
                      QLatin1Char(' ') + putBack());
    }
    setWorkingDirectory(wd);
    return true;
}

void WorkingState::slot_set_reload(bool on)
{
    m_settings->setValue(QStringLiteral("reload"), on);
    saveStore();
}

QString WorkingState::storeName() const
{
    return QDir::toNativeSeparators(m_settings->fileName());
}

bool WorkingState::saveStore()
{
    // Without its store, the run said so once at its start.
    if (m_withoutStore)
        return false;
    if (m_settings->sync())
        return true;
    m_console->append(tr("Saving the settings failed: %1 could not be written (%2).")
                          .arg(storeName(), m_settings->errorString()),
                      false, 0, QColor(Qt::red));
    return false;
}

void WorkingState::keepWorkingState()
{
    m_settings->setValue(QStringLiteral("problem"), m_board->saveString());
    m_settings->setValue(QStringLiteral("graph"), m_graph->graphData());
}

bool WorkingState::slot_autosave()
{
    // Nothing of a run without its store is written, in any folder: said once at its start.
    if (m_withoutStore) {
        m_autosaveFailure = storeName();
        return false;
    }
    keepWorkingState();
    QStringList failed;
    if (!m_settings->sync())
        failed << storeName();
    if (!writeAutosave(true, nullptr))
        failed << QDir::toNativeSeparators(m_board->autosavePath());
    if (!writeAutosave(false, nullptr))
        failed << QDir::toNativeSeparators(m_graph->autosaveFileName());
    // Said once per run of failures, not at every tick; a success ends the run.
    const bool wasFailing = !m_autosaveFailure.isEmpty();
    m_autosaveFailure = failed.join(tr(" and "));
    if (!failed.isEmpty() && !wasFailing)
        m_console->append(tr("Autosave failed: %1 could not be written.").arg(m_autosaveFailure),
                          false, 0, QColor(Qt::red));
    return failed.isEmpty();
}

bool WorkingState::saveAtQuit()
{
    m_autosave.stop();
    const QString lost =
        m_withoutStore
            ? tr("The working state of this run is not saved: the settings store %1 could not be "
                 "read. Quit anyway?")
                  .arg(storeName())
            : tr("The working state could not be saved: %1 could not be written. Quit anyway?");
    if (!slot_autosave() &&
        !Prompts::instance().question(m_dialogParent, tr("Quit"),
                                      m_withoutStore ? lost : lost.arg(m_autosaveFailure))) {
        m_autosave.start();
        return false;
    }
    return true;
}
