#include "common/Prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <atomic>

namespace
{
Prompts realDialogs;
std::atomic<Prompts *> installed{nullptr};

/// "txt" for "*.txt", "Tables (*.txt *.csv)" or "*.txt;;*.csv"; empty for "*" or "*.t?t".
QString suffixOf(const QString &filter)
{
    QString first = filter.section(QStringLiteral(";;"), 0, 0);
    const int open = first.indexOf(QLatin1Char('('));
    const int close = first.indexOf(QLatin1Char(')'), open + 1);
    if (open >= 0 && close > open)
        first = first.mid(open + 1, close - open - 1);
    const QString pattern = first.simplified().section(QLatin1Char(' '), 0, 0);
    if (!pattern.startsWith(QStringLiteral("*.")))
        return QString();
    const QString suffix = pattern.mid(2);
    for (QChar c : {QLatin1Char('*'), QLatin1Char('?'), QLatin1Char('[')})
        if (suffix.contains(c))
            return QString();
    return suffix;
}
} // namespace

Prompts::~Prompts() = default;

QString Prompts::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                              const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString Prompts::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                              const QString &filter)
{
    QString selected = filter;
    const QString name = askSaveFileName(parent, caption, dir, filter, &selected);
    return withFilterSuffix(name, selected);
}

QString Prompts::saveFileNameAsTyped(QWidget *parent, const QString &caption, const QString &dir,
                                     const QString &filter)
{
    return askSaveFileName(parent, caption, dir, filter, nullptr);
}

QString Prompts::askSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter, QString *selectedFilter)
{
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (selectedFilter) {
        // Where the dialog adds the suffix itself, it does so before it asks about overwriting.
        dialog.setDefaultSuffix(suffixOf(filter));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString &f) { dialog.setDefaultSuffix(suffixOf(f)); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().first();
}

QString Prompts::withFilterSuffix(const QString &name, const QString &filter)
{
    const QString suffix = suffixOf(filter);
    const QString file = QFileInfo(name).fileName();
    if (suffix.isEmpty() || file.isEmpty())
        return name;
    if (file.endsWith(QLatin1Char('.')))
        return name + suffix;
    return QFileInfo(name).suffix().isEmpty() ? name + QLatin1Char('.') + suffix : name;
}

QString Prompts::directory(QWidget *parent, const QString &caption, const QString &dir)
{
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

bool Prompts::question(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool Prompts::confirm(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

void Prompts::message(QWidget *parent, Level level, const QString &title, const QString &text)
{
    switch (level) {
    case Level::Information:
        QMessageBox::information(parent, title, text);
        break;
    case Level::Warning:
        QMessageBox::warning(parent, title, text);
        break;
    case Level::Critical:
        QMessageBox::critical(parent, title, text);
        break;
    }
}

bool Prompts::print(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

Prompts &Prompts::instance()
{
    Prompts *p = installed.load();
    return p ? *p : realDialogs;
}

Prompts *Prompts::install(Prompts *p)
{
    return installed.exchange(p);
}
