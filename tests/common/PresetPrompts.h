#pragma once

#include "common/Prompts.h"

#include <QPageLayout>
#include <QPrinter>
#include <QQueue>
#include <QStringList>

#include <functional>

/// Prompts answered from presets, for tests: each kind of dialog pops its next preset answer
/// (empty text, "no" or "cancel" when none is left) and every dialog asked is logged as
/// "kind: title or caption". Installed for the lifetime of the object.
class PresetPrompts : public Prompts
{
public:
    PresetPrompts() { previous = Prompts::install(this); }
    ~PresetPrompts() override { Prompts::install(previous); }

    QQueue<QString> files;     ///< answers of openFileName, saveFileName and directory
    QQueue<bool> answers;      ///< answers of question and confirm
    QQueue<bool> printAnswers; ///< answers of print
    QStringList asked;         ///< one entry per dialog, in order
    QStringList messages;      ///< texts of the message boxes
    QStringList questions;     ///< texts of the questions and confirmations
    std::function<void()> beforeAnswer; ///< when set, run as a question is asked
    QString printFile;         ///< when set, an accepted print dialog prints to this PDF file
    QPageLayout printLayout;   ///< when valid, the page an accepted print dialog chooses

    QString openFileName(QWidget *, const QString &caption, const QString &,
                         const QString &) override
    {
        asked << QStringLiteral("open: ") + caption;
        return files.isEmpty() ? QString() : files.dequeue();
    }
    /// The first filter stands chosen, as in the dialog; saveFileName adds its suffix.
    QString askSaveFileName(QWidget *, const QString &caption, const QString &, const QString &,
                            QString *) override
    {
        asked << QStringLiteral("save: ") + caption;
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString directory(QWidget *, const QString &caption, const QString &) override
    {
        asked << QStringLiteral("directory: ") + caption;
        return files.isEmpty() ? QString() : files.dequeue();
    }
    bool question(QWidget *, const QString &title, const QString &text) override
    {
        asked << QStringLiteral("question: ") + title;
        questions << text;
        if (beforeAnswer)
            beforeAnswer();
        return !answers.isEmpty() && answers.dequeue();
    }
    bool confirm(QWidget *parent, const QString &title, const QString &text) override
    {
        return question(parent, title, text);
    }
    void message(QWidget *, Level, const QString &title, const QString &text) override
    {
        asked << QStringLiteral("message: ") + title;
        messages << text;
    }
    bool print(QWidget *, QPrinter *printer) override
    {
        asked << QStringLiteral("print");
        const bool accepted = !printAnswers.isEmpty() && printAnswers.dequeue();
        if (accepted && !printFile.isEmpty()) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(printFile);
        }
        if (accepted && printLayout.isValid())
            printer->setPageLayout(printLayout);
        return accepted;
    }

private:
    Prompts *previous = nullptr;
};
