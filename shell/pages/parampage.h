#pragma once

#include "shell/userprompts.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

class ActiveDocumentSource;
class CGridCtrl;
class CKeshDoc;
class CMyglView;
class Glider;
struct PartGl;
class QLineEdit;

/**
 * One page of the parameter bar. A page keeps its own copy of the values: Load fills it
 * from the active document's glider, Apply writes it back. Enter in any field of the page
 * runs this page's Apply alone; Enter on one of its buttons presses that button.
 *
 * Every page is constructed as Page(ActiveDocumentSource& source, QWidget* parent).
 */
class CParamPage : public QWidget {
    Q_OBJECT
public:
    explicit CParamPage(ActiveDocumentSource& source, QWidget* parent = nullptr);

    // Fills the page from the active document; without one the page is left untouched.
    virtual void Load() {}
    // Writes the page into the active document's glider, as one undo step named after the
    // page or as part of the one its caller opened. False when a field could not be read
    // (the model is then unchanged); true otherwise, also without a document.
    bool Apply();
    static QString applyStepName();
    // What the undo command calls this page's changes ("Annuler Aile").
    void setStepName(const QString& name) { stepName_ = name; }
    QString stepName() const { return stepName_.isEmpty() ? applyStepName() : stepName_; }

protected:
    // Apply's work, inside the document's edit.
    virtual bool applyFields() { return true; }

    ActiveDocumentSource& source() const { return source_; }
    CKeshDoc* activeDocument() const;
    CMyglView* activeView() const;
    UserPrompts& prompts() const;

    // The document this page last loaded or applied; null once it is closed.
    CKeshDoc* document() const;
    void setDocument(CKeshDoc* document);

    static void showFloat(QLineEdit* field, float value);
    static void showDouble(QLineEdit* field, double value);
    // Reads a number field into `value`, which holds the model's value on entry: a field
    // that still shows it as Load does leaves it exactly, so an untouched value survives
    // the trip through six digits. On failure says "Tapez un nombre.", puts the focus on
    // the field and returns false.
    bool readFloat(QLineEdit* field, float& value);
    bool readDouble(QLineEdit* field, double& value);
    // True when min <= value <= max; otherwise says "Tapez un nombre compris entre %1 et
    // %2.", puts the focus on the field and returns false.
    bool checkRange(QLineEdit* field, double value, double min, double max);

    // A position field: a number within the simulator's view.
    bool readPosition(QLineEdit* field, float& value);

    // One grid row's lengths, from column 1 on.
    using RowLengths = std::vector<float>;
    // True when every row's lengths can be flown and drawn: within the simulator's view, and
    // above 0 in the columns `positive` marks. Otherwise puts the grid's current cell on the
    // first that cannot, says which row and why, and returns false.
    bool checkGridLengths(CGridCtrl& grid, const std::vector<RowLengths>& rows,
                          const std::vector<bool>& positive);

    // Reads a text field stored in the glider file (in its code page); on a character the
    // code page cannot hold says so, naming the field, as readFloat does.
    bool readStoredText(QLineEdit* field, const QString& label, std::string& value);
    // Reads a file field, blanks trimmed, into a path on disk. Its file name goes into the
    // glider file, so it is checked as readStoredText checks text.
    bool readFileField(QLineEdit* field, const QString& label, std::string& path);

    // Assigns and tells whether the value changed.
    template <typename T> static bool assign(T& target, const T& value) {
        if (target == value)
            return false;
        target = value;
        return true;
    }

    // The end of every Apply that wrote the model: a changed value makes the edit a step
    // and the derived values follow at once, for the pages applied after this one.
    void finishApply(CKeshDoc& document, bool changed);
    // A texture file written again under the name its part already had changes no value,
    // yet the views must show it.
    static void showRewrittenTexture(CKeshDoc& document, const std::string& path,
                                     const PartGl& part);

    void keyPressEvent(QKeyEvent* event) override;

private:
    // Brings the page forward and highlights the field, then says why it was refused.
    void refuseField(QLineEdit* field, const QString& text, PromptIcon icon);
    // The page may be behind another tab when "Appliquer" reaches it.
    void bringForward();
    bool refuseUnencodable(QLineEdit* field, const QString& label, const QString& text);

    ActiveDocumentSource& source_;
    QPointer<CKeshDoc> document_;
    QString stepName_;
};
