#include "shell/templatedialog.h"

#include "model/glider.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPolygonF>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

struct Shape {
    QPolygonF outline; // file frame: x aft, y to the side
    QColor color;
};

QColor colorOf(const Color& c) {
    return QColor::fromRgbF(c[0], c[1], c[2]);
}

// One half's panes and their mirror image, projected on the ground.
void addSurface(std::vector<Shape>& shapes, const Surface& surface) {
    double x = surface.position[0];
    double y = std::abs(surface.position[1]);
    for (const Pane& pane : surface.panes()) {
        const double reach = pane.env * std::cos(pane.diedre);
        const double tipX = x + pane.fleche;
        const double tipY = y + reach;
        for (const double side : {-1.0, 1.0})
            shapes.push_back({QPolygonF({{x, side * y},
                                         {tipX, side * tipY},
                                         {tipX + pane.c2, side * tipY},
                                         {x + pane.c1, side * y}}),
                              colorOf(pane.color)});
        x = tipX;
        y = tipY;
    }
}

std::vector<Shape> shapesOf(const Glider& glider) {
    std::vector<Shape> shapes;
    const std::vector<BodySection>& sections = glider.body.sections;
    if (!sections.empty()) {
        QPolygonF body;
        for (const BodySection& s : sections)
            body << QPointF(s.x, s.l / 2);
        for (auto s = sections.rbegin(); s != sections.rend(); ++s)
            body << QPointF(s->x, -s->l / 2);
        shapes.push_back({body, colorOf(glider.body.color)});
    }
    addSurface(shapes, glider.surfaces[WingLeft]);
    addSurface(shapes, glider.surfaces[StabLeft]);
    addSurface(shapes, glider.surfaces[Fin]); // upright: its cosine makes it a line
    return shapes;
}

} // namespace

QImage topViewPicture(const Glider& glider, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const std::vector<Shape> shapes = shapesOf(glider);
    QRectF bounds;
    for (const Shape& shape : shapes)
        bounds = bounds.united(shape.outline.boundingRect());
    if (bounds.isEmpty())
        return image;
    // Nose up: the file's y runs across the picture, its x down it.
    const double margin = 4;
    const double scale = std::min((size.width() - 2 * margin) / bounds.height(),
                                  (size.height() - 2 * margin) / bounds.width());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size.width() / 2.0, size.height() / 2.0);
    painter.scale(scale, scale);
    painter.rotate(90);
    painter.scale(1, -1);
    painter.translate(-bounds.center());
    painter.setPen(QPen(Qt::darkGray, 0));
    for (const Shape& shape : shapes) {
        painter.setBrush(shape.color);
        painter.drawPolygon(shape.outline);
    }
    return image;
}

TemplateDialog::TemplateDialog(const QList<TemplateChoice>& choices, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(tr("Nouveau planeur"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Partir de quel modèle ?"), this));
    QSize iconSize(96, 72);
    for (const TemplateChoice& choice : choices) {
        auto* item =
            new QListWidgetItem(QIcon(QPixmap::fromImage(choice.picture)),
                                choice.name + QStringLiteral(" — ") + choice.description, list_);
        item->setToolTip(choice.description);
        if (!choice.picture.isNull())
            iconSize = choice.picture.size();
    }
    list_->setIconSize(iconSize);
    list_->setSpacing(2);
    list_->setCurrentRow(0);
    list_->setMinimumSize(720, int(choices.size()) * (iconSize.height() + 12) + 8);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
}

int TemplateDialog::chosen() const {
    return list_->currentRow();
}
