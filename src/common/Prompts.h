#pragma once

#include <QString>

class QPrinter;
class QWidget;

/// Every modal dialog of the application goes through one Prompts object: the application
/// keeps the default, which shows the real dialogs; a test installs a subclass that answers
/// from presets, so no test ever blocks on a dialog.
class Prompts
{
public:
    enum class Level { Information, Warning, Critical };

    virtual ~Prompts();

    /// A file to open; empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter);
    /// A file to write; empty when the user cancels. A name without a suffix gets the one of
    /// the filter chosen (withFilterSuffix), so that the file is listed when opened again.
    /// filter as the file dialog takes it: "Graph lists (*.dmvx3);;graph6 (*.g6)".
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter);
    /// A file to write, the name exactly as the dialog returns it (no suffix added); empty
    /// when the user cancels.
    QString saveFileNameAsTyped(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter);
    /// A folder; empty when the user cancels.
    virtual QString directory(QWidget *parent, const QString &caption, const QString &dir);
    /// A yes/no question; true for yes.
    virtual bool question(QWidget *parent, const QString &title, const QString &text);
    /// An OK/Cancel confirmation, Cancel being the escape answer; true for OK.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text);
    /// A message box with an OK button.
    virtual void message(QWidget *parent, Level level, const QString &title, const QString &text);
    /// The print dialog for the printer; true when the user accepts.
    virtual bool print(QWidget *parent, QPrinter *printer);

    /// name with the suffix of filter's first pattern ("*.txt" or "Tables (*.txt *.csv)" give
    /// ".txt") when name's file part has none; unchanged for an empty name or a pattern
    /// without a suffix ("*").
    static QString withFilterSuffix(const QString &name, const QString &filter);

    /// The prompts in force (the real dialogs unless a test installed others).
    static Prompts &instance();
    /// Puts `p` in force, not owned; null restores the real dialogs. Returns the previous one.
    static Prompts *install(Prompts *p);

protected:
    /// The save dialog itself: the name as typed and, in selectedFilter, the filter in force.
    /// A null selectedFilter asks for the name alone: the dialog then adds no suffix either.
    virtual QString askSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter, QString *selectedFilter);
};
