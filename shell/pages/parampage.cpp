#include "shell/pages/parampage.h"

#include "formats/codepage.h"
#include "formats/diskpath.h"
#include "formats/simulatorpaths.h"
#include "model/glider.h"
#include "render/displaysettings.h"
#include "render/texture.h"
#include "shell/activedocumentsource.h"
#include "shell/keshdoc.h"
#include "shell/pages/numberfield.h"
#include "shell/widgets/gridctrl.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
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
        refuseField(field, tr("Tapez un nombre."), PromptIcon::Error);
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
        refuseField(field, tr("Tapez un nombre."), PromptIcon::Error);
        return false;
    }
    value = *number;
    return true;
}

bool CParamPage::checkRange(QLineEdit* field, double value, double min, double max) {
    if (value >= min && value <= max)
        return true;
    const QString text =
        tr("Tapez un nombre compris entre %1 et %2.")
            .arg(QString::asprintf("%.*g", 6, min), QString::asprintf("%.*g", 6, max));
    refuseField(field, text, PromptIcon::Warning);
    return false;
}

bool CParamPage::readPosition(QLineEdit* field, float& value) {
    return readFloat(field, value) && checkRange(field, value, -kLongestLength, kLongestLength);
}

bool CParamPage::checkGridLengths(CGridCtrl& grid, const std::vector<RowLengths>& rows,
                                  const std::vector<bool>& positive) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t c = 0; c < rows[i].size(); ++c) {
            const float value = rows[i][c];
            const bool tooSmall = c < positive.size() && positive[c] && !(value > 0);
            if (!tooSmall && std::fabs(value) <= kLongestLength)
                continue;
            const int row = int(i) + 1;
            const int col = int(c) + 1;
            const QString title = grid.cellText(0, col);
            const QString text =
                tooSmall
                    ? tr("Ligne %1 : « %2 » doit être plus grand que 0.").arg(row).arg(title)
                    : tr("Ligne %1 : « %2 » vaut %3 m, au-delà des %4 m que montre le "
                         "simulateur.")
                          .arg(row)
                          .arg(title, formatFloatField(value), formatFloatField(kLongestLength));
            bringForward();
            grid.setCurrentCell(row, col);
            grid.setFocus();
            prompts().message(this, text, tr("Erreur"), PromptIcon::Error);
            return false;
        }
    return true;
}

bool CParamPage::readStoredText(QLineEdit* field, const QString& label, std::string& value) {
    const std::optional<std::string> stored = toCodePage(field->text());
    if (!stored)
        return refuseUnencodable(field, label, field->text());
    value = *stored;
    return true;
}

bool CParamPage::readFileField(QLineEdit* field, const QString& label, std::string& path) {
    const std::string disk = toDiskPath(field->text().trimmed());
    if (!storedFromDiskPath(fileNamePart(disk)))
        return refuseUnencodable(field, label, fromDiskPath(fileNamePart(disk)));
    path = disk;
    return true;
}

bool CParamPage::refuseUnencodable(QLineEdit* field, const QString& label, const QString& text) {
    refuseField(field,
                tr("Le caractère '%1' du champ '%2' ne peut pas être écrit dans "
                   "un fichier planeur.")
                    .arg(firstUnencodable(text), label),
                PromptIcon::Error);
    return false;
}

bool CParamPage::Apply() {
    const CKeshDoc::EditScope edit(activeDocument(), stepName());
    return applyFields();
}

QString CParamPage::applyStepName() {
    return tr("Appliquer");
}

void CParamPage::finishApply(CKeshDoc& document, bool changed) {
    setDocument(&document);
    if (!changed)
        return;
    document.noteChange();
    document.deriveGlider();
}

void CParamPage::showRewrittenTexture(CKeshDoc& document, const std::string& path,
                                      const PartGl& part) {
    // Only a texture the views drew already; the first paint reads it anyway.
    if (path.empty() || path != part.loadedPath || isTextureCurrent(path, part))
        return;
    document.rebuildModel();
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

void CParamPage::bringForward() {
    for (QWidget* widget = parentWidget(); widget; widget = widget->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            tabs->setCurrentWidget(this);
            break;
        }
}

void CParamPage::refuseField(QLineEdit* field, const QString& text, PromptIcon icon) {
    bringForward();
    field->setFocus();
    field->selectAll();
    prompts().message(this, text, tr("Erreur"), icon);
    field->setFocus();
}
