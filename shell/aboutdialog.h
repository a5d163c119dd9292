#pragma once

#include <QDialog>

// "A propos de kesh".
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
