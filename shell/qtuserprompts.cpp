#include "shell/qtuserprompts.h"

#include "shell/recoverydialog.h"
#include "shell/setupdialog.h"
#include "shell/templatedialog.h"
#include "shell/tunedialog.h"
#include "shell/weightestimatedialog.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Error:
        return QMessageBox::Critical;
    case PromptIcon::Warning:
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A question box with the buttons named in the interface's language.
QMessageBox::StandardButton ask(QWidget* owner, const QString& text, const QString& caption,
                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::Question, caption, text, buttons, owner);
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("QtUserPrompts", "&Oui")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("QtUserPrompts", "&Non")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("QtUserPrompts", "Annuler")}};
    for (const auto& [button, name] : names)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(QCoreApplication::translate("QtUserPrompts", name));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtUserPrompts::message(QWidget* owner, const QString& text, const QString& caption,
                            PromptIcon icon) {
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, owner);
    box.exec();
}

bool QtUserPrompts::askYesNo(QWidget* owner, const QString& text, const QString& caption) {
    return ask(owner, text, caption, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

SaveAnswer QtUserPrompts::askSaveChanges(QWidget* owner, const QString& text,
                                         const QString& caption) {
    const auto answer =
        ask(owner, text, caption, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return SaveAnswer::Yes;
    if (answer == QMessageBox::No)
        return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

QString QtUserPrompts::openFile(QWidget* owner, const QString& title, const QString& filter,
                                const QString& initialName) {
    const QString start = QDir::current().absoluteFilePath(initialName);
    return QFileDialog::getOpenFileName(owner, title, start, filter);
}

QString QtUserPrompts::saveFile(QWidget* owner, const QString& title, const QString& filter,
                                const QString& proposedName, const QString& defaultSuffix,
                                bool confirmOverwrite) {
    QFileDialog dialog(owner, title, QDir::currentPath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtUserPrompts::chooseColor(QWidget* owner, std::optional<QColor> initial) {
    const QColor color = QColorDialog::getColor(initial.value_or(Qt::white), owner);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<float> QtUserPrompts::estimateWeight(QWidget* owner, int kind, float size) {
    return runWeightEstimateDialog(owner, kind, size);
}

QtUserPrompts::QtUserPrompts() = default;
QtUserPrompts::~QtUserPrompts() = default;

std::optional<int> QtUserPrompts::chooseOne(QWidget* owner, const QString& text,
                                            const QString& caption, const QStringList& choices) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, owner);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    box.addButton(QCoreApplication::translate("QtUserPrompts", "Annuler"), QMessageBox::RejectRole);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    if (chosen < 0)
        return std::nullopt;
    return int(chosen);
}

void QtUserPrompts::printSetup(QWidget* owner) {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    QPageSetupDialog dialog(printer_.get(), owner);
    dialog.exec();
}

std::optional<SetupChoice> QtUserPrompts::setup(QWidget* owner, const SetupChoice& current) {
    SetupDialog dialog(current, *this, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<int> QtUserPrompts::chooseTemplate(QWidget* owner,
                                                 const QList<TemplateChoice>& choices) {
    TemplateDialog dialog(choices, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

std::optional<double> QtUserPrompts::askStaticMargin(QWidget* owner, double proposed) {
    TuneDialog dialog(TuneDialog::Margin, proposed, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

std::optional<TrimRequest> QtUserPrompts::askTrim(QWidget* owner, double proposedSpeed) {
    TuneDialog dialog(TuneDialog::Trim, proposedSpeed, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return TrimRequest{dialog.bestGlide(), dialog.value()};
}

std::optional<QList<bool>> QtUserPrompts::chooseRecovered(QWidget* owner,
                                                          const QList<RecoveredGlider>& gliders) {
    RecoveryDialog dialog(gliders, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.reopened();
}
