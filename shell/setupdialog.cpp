#include "shell/setupdialog.h"

#include "shell/userprompts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SetupDialog::SetupDialog(const QString& iniPath, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), path_(new QLineEdit(iniPath)),
      browse_(new QPushButton(QStringLiteral("..."))) {
    setWindowTitle(QStringLiteral("Setup"));
    path_->setMinimumWidth(280);
    browse_->setFixedWidth(32);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("Vantair ini :")));
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(browse_);

    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);

    auto* column = new QVBoxLayout(this);
    column->addLayout(pathRow);
    column->addLayout(buttons);

    connect(browse_, &QPushButton::clicked, this, &SetupDialog::browse);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString SetupDialog::iniPath() const {
    return path_->text();
}

void SetupDialog::browse() {
    const QString chosen = prompts_.openFile(
        this, QString(), QStringLiteral("Vantair ini (vantair.ini);;All Files (*.*)"),
        QStringLiteral("vantair.ini"));
    if (!chosen.isEmpty())
        path_->setText(chosen);
}
