#pragma once

#include "shell/pages/parampage.h"

#include <QUrl>
#include <functional>
#include <string>

class QLineEdit;
class QPushButton;

// The "General" tab: the glider's name, its file and airfoil names, its totals, and the
// "Nomenclature" sheet.
class CGeneralPage : public CParamPage {
    Q_OBJECT
public:
    explicit CGeneralPage(ActiveDocumentSource& source, QWidget* parent = nullptr);

    void Load() override;
    bool applyFields() override;

    // Writes doc.html in the working directory and hands it to the desktop's viewer.
    void writeSpecificationSheet();
    // Replaces the hand-over to the desktop's viewer, for tests.
    void setSheetOpener(std::function<void(const QUrl&)> opener) { opener_ = std::move(opener); }

    QLineEdit* nameField() const { return name_; }
    QLineEdit* fileField() const { return file_; }
    QLineEdit* foilField() const { return foil_; }
    QLineEdit* weightField() const { return weight_; }
    QLineEdit* spanField() const { return span_; }
    QLineEdit* loadingField() const { return loading_; }
    QLineEdit* areaField() const { return area_; }
    QPushButton* sheetButton() const { return sheet_; }

private:
    QLineEdit* name_;
    QLineEdit* file_;
    QLineEdit* foil_;
    QLineEdit* weight_;
    QLineEdit* span_;
    QLineEdit* loading_;
    QLineEdit* area_;
    QPushButton* sheet_;
    // The name as last loaded or applied; typing not yet applied is not used.
    std::string heldName_;
    std::function<void(const QUrl&)> opener_;
};
