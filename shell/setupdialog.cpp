#include "shell/setupdialog.h"

#include "shell/interfacelanguage.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

QString iniPathProblem(const QString& path) {
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QFileInfo file(trimmed);
    const QString shown = QDir::toNativeSeparators(trimmed);
    if (!file.exists())
        return SetupDialog::tr("Le fichier '%1' n'existe pas.\n\nChoisissez le fichier "
                               "vantair.ini du simulateur.")
            .arg(shown);
    if (!file.isFile() || file.suffix().compare(QStringLiteral("ini"), Qt::CaseInsensitive) != 0)
        return SetupDialog::tr("'%1' n'est pas un fichier .ini.\n\nChoisissez le fichier "
                               "vantair.ini du simulateur.")
            .arg(shown);
    return {};
}

SetupDialog::SetupDialog(const SetupChoice& current, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), path_(new QLineEdit(current.iniPath)),
      browse_(new QPushButton(QStringLiteral("..."))), language_(new QComboBox) {
    setWindowTitle(tr("Setup"));
    path_->setMinimumWidth(280);
    browse_->setFixedWidth(32);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(tr("Vantair ini :")));
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(browse_);

    // Each language is named in itself.
    language_->addItem(QString::fromUtf8("Français"), language::kFrench);
    language_->addItem(QStringLiteral("English"), language::kEnglish);
    language_->setCurrentIndex(std::max(0, language_->findData(current.language)));
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(new QLabel(tr("Langue :")));
    languageRow->addWidget(language_, 1);
    auto* languageNote = new QLabel(tr("La langue choisie s'applique au prochain démarrage."));
    languageNote->setWordWrap(true);

    auto* cancel = new QPushButton(tr("Cancel"));
    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);

    auto* column = new QVBoxLayout(this);
    column->addLayout(pathRow);
    column->addLayout(languageRow);
    column->addWidget(languageNote);
    column->addLayout(buttons);

    connect(browse_, &QPushButton::clicked, this, &SetupDialog::browse);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString SetupDialog::iniPath() const {
    return path_->text().trimmed();
}

SetupChoice SetupDialog::choice() const {
    return {iniPath(), language_->currentData().toString()};
}

void SetupDialog::accept() {
    if (const QString problem = iniPathProblem(iniPath()); !problem.isEmpty()) {
        prompts_.message(this, problem, tr("Setup"), PromptIcon::Exclamation);
        path_->setFocus();
        path_->selectAll();
        return;
    }
    QDialog::accept();
}

void SetupDialog::browse() {
    const QString chosen =
        prompts_.openFile(this, QString(), tr("Vantair ini (vantair.ini);;All Files (*.*)"),
                          QStringLiteral("vantair.ini"));
    if (!chosen.isEmpty())
        path_->setText(chosen);
}
