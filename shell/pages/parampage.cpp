#include "shell/pages/parampage.h"

#include "render/displaysettings.h"
#include "shell/activedocumentsource.h"
#include "shell/keshdoc.h"
#include "shell/pages/numberfield.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <cmath>

CParamPage::CParamPage(ActiveDocumentSource& source, QWidget* parent)
    : QWidget(parent), source_(source) {}

CKeshDoc* CParamPage::activeDocument() const {
    return source_.activeDocument();
}

CMyglView* CParamPage::activeView() const {
    return source_.activeView();
}

UserPrompts& CParamPage::prompts() const {
    return source_.prompts();
}

CKeshDoc* CParamPage::document() const {
    return document_.data();
}

void CParamPage::setDocument(CKeshDoc* document) {
    document_ = document;
}

void CParamPage::showFloat(QLineEdit* field, float value) {
    field->setText(formatFloatField(value));
}

void CParamPage::showDouble(QLineEdit* field, double value) {
    field->setText(formatDoubleField(value));
}

bool CParamPage::readFloat(QLineEdit* field, float& value) {
    if (field->text() == formatFloatField(value))
        return true;
    const auto number = parseNumberField(field->text());
    if (!number || !std::isfinite(static_cast<float>(*number))) {
        refuseField(field, QStringLiteral("Tapez un nombre."), PromptIcon::Error);
        return false;
    }
    value = static_cast<float>(*number);
    return true;
}

bool CParamPage::readDouble(QLineEdit* field, double& value) {
    if (field->text() == formatDoubleField(value))
        return true;
    const auto number = parseNumberField(field->text());
    if (!number) {
        refuseField(field, QStringLiteral("Tapez un nombre."), PromptIcon::Error);
        return false;
    }
    value = *number;
    return true;
}

bool CParamPage::checkRange(QLineEdit* field, double value, double min, double max) {
    if (value >= min && value <= max)
        return true;
    const QString text =
        QStringLiteral("Tapez un nombre compris entre %1 et %2.")
            .arg(QString::asprintf("%.*g", 6, min), QString::asprintf("%.*g", 6, max));
    refuseField(field, text, PromptIcon::Warning);
    return false;
}

QString CParamPage::fromModelText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string CParamPage::toModelText(const QString& text) {
    return text.toLatin1().toStdString();
}

void CParamPage::finishApply(CKeshDoc& document, bool changed, bool updateViews) {
    setDocument(&document);
    if (changed)
        document.setModified(true);
    document.rebuildModel();
    if (updateViews)
        document.updateAllViews(HintRedraw);
}

void CParamPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Buttons outside dialogs let Enter through; on one it means that button.
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget()))
            button->click();
        else
            Apply();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CParamPage::refuseField(QLineEdit* field, const QString& text, PromptIcon icon) {
    prompts().message(this, text, QStringLiteral("Erreur"), icon);
    field->setFocus();
    field->selectAll();
}
