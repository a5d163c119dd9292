#pragma once

#include <QColor>
#include <QPushButton>

// A push button that shows a colour under its caption; the owner handles the click.
class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(const QString& caption = {}, QWidget* parent = nullptr);

    QColor color() const { return color_; }
    void setColor(const QColor& color);
    // Black, or white on a dark colour, so the caption stays readable.
    QColor captionColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_{128, 128, 128};
};
