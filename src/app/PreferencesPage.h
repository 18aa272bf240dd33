#pragma once

#include <QWidget>

class QLineEdit;
class Workbench;
class WorkingState;

/// The inspector's preferences page: the working directory, where dialogs start and the
/// autosave files go, and whether the last problem and graph are reloaded at start-up. Both
/// are kept in the settings store.
class PreferencesPage : public QWidget
{
    Q_OBJECT
public:
    /// The workbench is not owned.
    explicit PreferencesPage(Workbench *bench, QWidget *parent = nullptr);

public slots:
    /// Asks for a folder and makes it the working directory; a cancelled dialog changes nothing,
    /// and a folder that cannot take the working state is refused with a warning.
    void slot_choose_wd();

private:
    WorkingState *m_state;
    QLineEdit *m_wd;
};
