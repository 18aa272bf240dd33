#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class BuildCalculus;
class Problem;
class QTextBrowser;

/// The documentation report of the current problem: title and description, the board's
/// algebraic definition, the catalogue's six sections, the conjectures found and a picture of
/// the white board. Shown in its own window, printed, or written to PDF, where a picture wider
/// than the page's text is narrowed to it. Built afresh whenever the window is shown and when
/// "Update" is pressed.
class Report : public QWidget
{
    Q_OBJECT
public:
    Report(Problem *board, const BuildCalculus *catalogue, QWidget *parent = nullptr);

    /// Where the relations found are read at each rebuild, one relation a line.
    void setConjectureSource(std::function<QString()> source) { m_conjectures = std::move(source); }
    /// Rebuilds the report from the board as it stands and the relations of the source.
    void rebuild();
    QString toPlainText() const;
    /// Writes the report as PDF; false (the previous file intact) when it could not be written.
    bool printToFile(const QString &fileName);

public slots:
    void slot_print();
    void slot_save_pdf();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Problem *m_board;
    const BuildCalculus *m_catalogue;
    QTextBrowser *m_text;
    std::function<QString()> m_conjectures;
};
