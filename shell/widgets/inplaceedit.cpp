#include "shell/widgets/inplaceedit.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>

CInPlaceEdit::CInPlaceEdit(const QString& originalText, bool keyboardStarted, QWidget* parent)
    : QLineEdit(parent), originalText_(originalText), keyboardStarted_(keyboardStarted) {
    setFrame(false);
    connect(this, &QLineEdit::textChanged, this, &CInPlaceEdit::fitText);
}

bool CInPlaceEdit::event(QEvent* event) {
    // Tab would otherwise move the focus out of the grid before the edit sees it.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const bool back =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            finish(back ? Qt::Key_Backtab : Qt::Key_Tab);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    event->accept();
    switch (key) {
    case Qt::Key_Escape:
        setText(originalText_);
        finish(key);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        finish(key);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (keyboardStarted_ && !(event->modifiers() & Qt::ControlModifier)) {
            finish(key);
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
    // Keys the line edit ignores must not reach the grid while the edit is open.
    event->accept();
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    finish(0);
}

void CInPlaceEdit::finish(int key) {
    if (done_)
        return;
    done_ = true;
    emit finished(key);
}

void CInPlaceEdit::place(const QRect& cell, int maxRight) {
    setGeometry(cell);
    minWidth_ = cell.width();
    maxRight_ = maxRight;
    fitText();
}

void CInPlaceEdit::fitText() {
    const int wanted =
        fontMetrics().horizontalAdvance(text()) + 2 * fontMetrics().averageCharWidth();
    const int widest = maxRight_ - x();
    resize(std::clamp(wanted, minWidth_, std::max(minWidth_, widest)), height());
}
