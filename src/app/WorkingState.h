#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

class Console;
class Graph;
class Problem;
class QWidget;
class SettingsStore;

/// What the application keeps between runs, and every write of it: the settings store's question
/// at the start, the restore of the last problem and graph, the autosave files kept aside, the
/// autosave tick, the choice of a working directory and the save at quitting. The rule it keeps:
/// a run writes over the working state (the store's values, the autosave files) only what it
/// read whole or made itself: a file at an autosave name is the run's own only while it holds
/// exactly the bytes this run last wrote there. Everything here runs in the GUI thread.
class WorkingState : public QObject
{
    Q_OBJECT
public:
    /// Nothing is owned; dialogs open over dialogParent, failures go to the console.
    WorkingState(SettingsStore *settings, Problem *board, Graph *graph, Graph *backup,
                 Console *console, QWidget *dialogParent);

    SettingsStore *settings() const { return m_settings; }
    QString workingDirectory() const { return m_wd; }
    QTimer *autosaveTimer() { return &m_autosave; }

    /// Makes writes past a file size limit fail rather than end the program, asks about a store
    /// that could not be read (read again, or a run without it that restores nothing and writes
    /// neither the store nor an autosave file), counts the run, takes the working directory and
    /// restores the last problem and graph when the reload preference says so. An autosave file
    /// due and not read back (or not read at all, the store naming no graph) is kept aside, at
    /// once or before this run first writes it. True when the board came back.
    bool restore();
    /// Saves every minute from now on.
    void startAutosave();
    /// Stops the autosave and saves the working state; when that fails, asks whether to quit
    /// anyway. False, the autosave going on, when the user stays.
    bool saveAtQuit();

public slots:
    /// The problem and the graph into the settings store, then the two autosave files. False
    /// when the store or a file could not be written, said in the console once per run of
    /// failures; false, writing nothing, in a run without its store.
    bool slot_autosave();
    /// Writes the two autosave files into the folder, then saves it in the settings store with
    /// the problem and the graph; only then hands it to the board and the graphs, and says so
    /// (signal_wd_changed). False, nothing handed over, the store's value the old one again and
    /// the files the folder held put back, when a file could not be written or the store saved,
    /// or in a run without its store; `refusal` then says why, for a warning.
    bool slot_set_wd(const QString &wd, QString *refusal = nullptr);
    /// Saves the reload preference in the settings store.
    void slot_set_reload(bool on);

signals:
    /// The board's and the graphs' working directory is now wd; the explorers follow it.
    void signal_wd_changed(const QString &wd);

private:
    /// A file known by what it is, whichever path leads to it (links and ".." followed as the
    /// system follows them): its device and inode. Unknown where no file is there.
    struct FileId {
        bool known = false;
        quint64 device = 0;
        quint64 inode = 0;
        static FileId of(const QString &path);
        /// Unknown files are no file: never the same.
        bool operator==(const FileId &other) const;
    };
    /// An autosave file the start did not read: the path the run reached it by, and the file
    /// that path led to then, unknown when none was there (its folder missing, or not mounted
    /// yet).
    struct Unread {
        QString path;
        FileId file;
    };

    void setWorkingDirectory(const QString &wd);
    /// The problem text and the graph string into the settings store, for its next save.
    void keepWorkingState();
    /// Saves the settings store; a failure is said in red in the console, naming the store.
    bool saveStore();
    QString storeName() const;
    /// Writes the board's autosave file (board) or the graph's; one that the start did not read
    /// is kept aside first, said in the console. False, and why in `error`, when it could not be
    /// written, or kept aside.
    bool writeAutosave(bool board, QString *error);
    /// The restore warning; the autosave files that were due and did not come back are kept
    /// aside under names it gives, or before this run first writes them when they are not there
    /// yet.
    void warnUnrestored(bool boardBack, bool graphDue);
    /// Keeps the file at `path` aside before this run first writes over it.
    void keepBeforeWrite(const QString &path);
    /// Whether a write of `path` would replace a file the start did not read: one an unread
    /// entry led to, or one an unread entry's path leads to now, and never the run's own.
    bool replacesUnread(const QString &path) const;
    /// Whether the file at `path` is the run's own: it holds exactly the bytes this run last
    /// wrote there. Its device and inode never make it so (a second drive on the folder, a file
    /// given a freed inode); the same bytes under new numbers (a remount) lose nothing.
    bool holdsOwnBytes(const QString &path) const;

    SettingsStore *m_settings;
    Problem *m_board;
    Graph *m_graph;
    Graph *m_backup;
    Console *m_console;
    QWidget *m_dialogParent;
    QTimer m_autosave;
    QString m_wd;
    /// The files (the settings store among them) the last autosave could not write; empty
    /// after a success.
    QString m_autosaveFailure;
    /// The run goes on without its settings store, which could not be read.
    bool m_withoutStore = false;
    /// Autosave files the start did not read, kept aside before they are first written under
    /// whatever name the run reaches them. They stay for the whole run: a drive mounted on their
    /// folder later, or a folder renamed to its name, brings files the start could not see.
    QVector<Unread> m_keepBeforeWrite;
    /// The bytes this run last wrote, by the file each autosave name was written to.
    QHash<QString, QByteArray> m_written;
};
