#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class UserPrompts;

// "Setup": the path of the simulator's vantair.ini, typed or chosen with "...".
class SetupDialog : public QDialog {
    Q_OBJECT
public:
    SetupDialog(const QString& iniPath, UserPrompts& prompts, QWidget* parent = nullptr);

    QString iniPath() const;
    QLineEdit* pathField() const { return path_; }
    QPushButton* browseButton() const { return browse_; }

    // The "..." button: a file chooser whose answer, if any, replaces the field.
    void browse();

private:
    UserPrompts& prompts_;
    QLineEdit* path_;
    QPushButton* browse_;
};
