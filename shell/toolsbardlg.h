#pragma once

#include <QWidget>

class ActiveDocumentSource;
class QLabel;
class QPushButton;
class QSlider;

// The tools bar: zoom of the active view, and fill, texture and visibility of the active
// document's glider, plus the screen copy.
class CToolsBarDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int kInitialPosition = 5;

    explicit CToolsBarDlg(ActiveDocumentSource& source, QWidget* parent = nullptr);

    // Takes the active view's zoom and the active document's display settings.
    void SyncFromView();

    QSlider* zoomSlider() const { return slider_; }
    QLabel* zoomText() const { return zoomText_; }
    QPushButton* fillButton() const { return fill_; }
    QPushButton* textureButton() const { return texture_; }
    QPushButton* screenCopyButton() const { return screenCopy_; }
    QPushButton* wingButton() const { return wing_; }
    QPushButton* bodyButton() const { return body_; }
    QPushButton* stabButton() const { return stab_; }
    QPushButton* finButton() const { return fin_; }
    int storedPosition() const { return position_; }

private:
    void sliderMoved(int position);
    void fillClicked(bool pressed);
    void textureClicked(bool pressed);
    void visibilityClicked(bool pressed, int bits);
    void copyScreen();
    void showZoom(int position);
    void showFill(bool pressed);
    void showTexture(bool pressed);

    ActiveDocumentSource& source_;
    QSlider* slider_;
    QLabel* zoomText_;
    QPushButton* fill_;
    QPushButton* texture_;
    QPushButton* screenCopy_;
    QPushButton* wing_;
    QPushButton* body_;
    QPushButton* stab_;
    QPushButton* fin_;
    int position_ = kInitialPosition;
};
