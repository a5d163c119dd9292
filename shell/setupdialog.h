#pragma once

#include "shell/userprompts.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// Why a path typed in Setup cannot be the simulator's ini file; empty when it can (an
// empty path leaves the simulator unset).
QString iniPathProblem(const QString& path);

// "Setup": the path of the simulator's vantair.ini, typed or chosen with "...", and the
// interface language, taken at the next start.
class SetupDialog : public QDialog {
    Q_OBJECT
public:
    SetupDialog(const SetupChoice& current, UserPrompts& prompts, QWidget* parent = nullptr);

    QString iniPath() const;
    SetupChoice choice() const;
    QLineEdit* pathField() const { return path_; }
    QPushButton* browseButton() const { return browse_; }
    QComboBox* languageBox() const { return language_; }

    // The "..." button: a file chooser whose answer, if any, replaces the field.
    void browse();
    // OK: kept open, with a message, while the path is not an existing .ini file.
    void accept() override;

private:
    UserPrompts& prompts_;
    QLineEdit* path_;
    QPushButton* browse_;
    QComboBox* language_;
};
