#pragma once

#include "shell/userprompts.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class ActiveDocumentSource;
class CKeshDoc;
class CMyglView;
class Glider;
class QLineEdit;

/**
 * One page of the parameter bar. A page keeps its own copy of the values: Load fills it
 * from the active document's glider, Apply writes it back. Enter in any field of the page
 * runs this page's Apply alone.
 *
 * Every page is constructed as Page(ActiveDocumentSource& source, QWidget* parent).
 */
class CParamPage : public QWidget {
    Q_OBJECT
public:
    explicit CParamPage(ActiveDocumentSource& source, QWidget* parent = nullptr);

    // Fills the page from the active document; without one the page is left untouched.
    virtual void Load() {}
    // Writes the page into the active document's glider. False when a field could not be
    // read (the model is then unchanged); true otherwise, also without a document.
    virtual bool Apply() { return true; }

    // Glider text is bytes shown as Latin-1, so every byte round-trips.
    static QString fromModelText(const std::string& text);
    static std::string toModelText(const QString& text);

protected:
    ActiveDocumentSource& source() const { return source_; }
    CKeshDoc* activeDocument() const;
    CMyglView* activeView() const;
    UserPrompts& prompts() const;

    // The document this page last loaded or applied; null once it is closed.
    CKeshDoc* document() const;
    void setDocument(CKeshDoc* document);

    static void showFloat(QLineEdit* field, float value);
    static void showDouble(QLineEdit* field, double value);
    // Reads a number field; on failure says "Tapez un nombre.", puts the focus on the field
    // and returns false.
    bool readFloat(QLineEdit* field, float& value);
    bool readDouble(QLineEdit* field, double& value);
    // True when min <= value <= max; otherwise says "Tapez un nombre compris entre %1 et
    // %2.", puts the focus on the field and returns false.
    bool checkRange(QLineEdit* field, double value, double min, double max);

    // Assigns and tells whether the value changed.
    template <typename T> static bool assign(T& target, const T& value) {
        if (target == value)
            return false;
        target = value;
        return true;
    }

    // The end of every Apply that wrote the model: the document is marked modified when a
    // value changed, the display list is rebuilt, and the views redraw when asked.
    void finishApply(CKeshDoc& document, bool changed, bool updateViews);

    void keyPressEvent(QKeyEvent* event) override;

private:
    void refuseField(QLineEdit* field, const QString& text, PromptIcon icon);

    ActiveDocumentSource& source_;
    QPointer<CKeshDoc> document_;
};
