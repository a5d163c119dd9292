#pragma once

#include <QLineEdit>

/**
 * The edit box a grid places over a cell. It ends on Enter, Tab, Escape (which first
 * restores the starting text) or when it loses the focus; when it was started from the
 * keyboard, the arrows and Page Up/Down end it too, so the grid can move on.
 */
class CInPlaceEdit : public QLineEdit {
    Q_OBJECT
public:
    CInPlaceEdit(const QString& originalText, bool keyboardStarted, QWidget* parent);

    // Puts the box over a cell; it may widen with its text up to `maxRight`.
    void place(const QRect& cell, int maxRight);

signals:
    // The key that ended the edit, 0 when the focus was lost.
    void finished(int key);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void finish(int key);
    void fitText();

    QString originalText_;
    bool keyboardStarted_;
    bool done_ = false;
    int minWidth_ = 0;
    int maxRight_ = 0;
};
