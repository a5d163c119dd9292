#pragma once

#include <QDockWidget>

class QScrollArea;

/**
 * A docking bar that hosts one dialog: docked on any side or floating, hidden by its close
 * button, never narrower than kMinExtent. The dialog always fills the bar; when the bar is
 * made smaller than the dialog can go, the dialog scrolls inside it.
 */
class CDialogDockBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kMinExtent = 32;

    CDialogDockBar(const QString& title, QWidget* dialog, QWidget* parent = nullptr);

    QWidget* dialog() const { return dialog_; }

private:
    QWidget* dialog_;
};
