#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

// An airfoil outline drawn to scale (one unit of x is one unit of y) over its chord line.
class CProfileView : public QWidget {
    Q_OBJECT
public:
    explicit CProfileView(QWidget* parent = nullptr);

    // The outline in chord units, in drawing order; non-finite points are left out.
    void setOutline(const QList<QPointF>& points);
    const QList<QPointF>& outline() const { return outline_; }

    QSize sizeHint() const override { return {480, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QPointF> outline_;
};
