#include "graph/Prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <atomic>

namespace
{
Prompts realDialogs;
std::atomic<Prompts *> installed{nullptr};
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
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
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
