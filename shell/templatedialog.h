#pragma once

#include "shell/userprompts.h"

#include <QDialog>
#include <QImage>
#include <QSize>

class Glider;
class QListWidget;

// The glider seen from above, nose up, in its pane and body colours, filling `size`.
QImage topViewPicture(const Glider& glider, QSize size);

// "Nouveau": which template the new glider starts from, one row each with its picture.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit TemplateDialog(const QList<TemplateChoice>& choices, QWidget* parent = nullptr);

    int chosen() const;
    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
};
