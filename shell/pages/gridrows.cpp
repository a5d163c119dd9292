#include "shell/pages/gridrows.h"

#include <QCoreApplication>

#include "shell/pages/numberfield.h"
#include "shell/userprompts.h"
#include "shell/widgets/gridctrl.h"

#include <QGroupBox>
#include <QPushButton>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

QString cellText(float value) {
    return QString::asprintf("%f", double(value));
}

double cellNumber(const QString& text) {
    const QByteArray bytes = typedNumberBytes(text);
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    while (first != last && (*first == ' ' || (*first >= '\t' && *first <= '\r')))
        ++first;
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-')
            return 0.0;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end == first || !std::isfinite(value) ||
        std::fabs(value) > std::numeric_limits<float>::max())
        return 0.0;
    return value;
}

namespace {

// Truncated, but a component read back from a file ("%.6g") may fall a hair below the
// byte it was written from; without the slack a colour would darken at every save.
std::uint32_t byteOf(float component) {
    if (!(component > 0.0f))
        return 0;
    return static_cast<std::uint32_t>(std::clamp(component * 255.0 + 1e-3, 0.0, 255.0));
}

} // namespace

std::uint32_t colorRef(const Color& color) {
    return byteOf(color[0]) | byteOf(color[1]) << 8 | byteOf(color[2]) << 16;
}

Color colorFromRef(std::uint32_t ref) {
    constexpr double kByte = 0.00392156862745098;
    return {float((ref & 0xff) * kByte), float(((ref >> 8) & 0xff) * kByte),
            float(((ref >> 16) & 0xff) * kByte)};
}

float cellValue(const QString& text, float held) {
    return text == cellText(held) ? held : float(cellNumber(text));
}

Color cellColor(std::uint32_t ref, const Color& held) {
    return ref == colorRef(held) ? held : colorFromRef(ref);
}

QColor toQColor(std::uint32_t ref) {
    return QColor(int(ref & 0xff), int((ref >> 8) & 0xff), int((ref >> 16) & 0xff));
}

std::uint32_t colorRef(const QColor& color) {
    return std::uint32_t(color.red()) | std::uint32_t(color.green()) << 8 |
           std::uint32_t(color.blue()) << 16;
}

void setUpSectionGrid(CGridCtrl& grid, const QStringList& titles) {
    grid.setFixedRowCount(1);
    grid.setFixedColumnCount(1);
    grid.setColumnCount(int(titles.size()));
    grid.setRowCount(1);
    grid.setColumnWidth(0, 50);
    grid.setNormalBackground(QColor(255, 255, 225));
    for (int col = 0; col < titles.size(); ++col)
        grid.setCellText(0, col, titles[col]);
}

void renumberRows(CGridCtrl& grid) {
    for (int row = 1; row < grid.rowCount(); ++row)
        grid.setCellText(row, 0, QString::number(row));
}

int addGridRow(CGridCtrl& grid, const QString& label) {
    const int current = grid.currentCell().row;
    if (current < 0 || current + 1 == grid.rowCount())
        return grid.insertRow(label, -1);
    return grid.insertRow(label, current);
}

int rowToDelete(CGridCtrl& grid, UserPrompts& prompts, QWidget* owner) {
    const int row = grid.currentCell().row;
    if (row < 1) {
        prompts.message(
            owner, QCoreApplication::translate("GridRows", "Aucune lignes n'est selectionnées !"),
            QCoreApplication::translate("GridRows", "Erreur"), PromptIcon::Error);
        return -1;
    }
    const QString question =
        QCoreApplication::translate("GridRows", "Voulez-vous detruire la ligne %1 ?").arg(row);
    return prompts.askYesNo(owner, question, QCoreApplication::translate("GridRows", "Question"))
               ? row
               : -1;
}

void layOutGridPage(QWidget* fields, int gridTop, const QSize& client, QGroupBox* frame,
                    CGridCtrl* grid, QPushButton* add, QPushButton* remove) {
    const int fieldsHeight = fields->sizeHint().height();
    fields->setGeometry(0, 0, client.width(), fieldsHeight);
    const int top = std::max(gridTop, fieldsHeight + 3);
    const int cx = client.width();
    const int cy = client.height();
    frame->setGeometry(7, top, cx - 14, cy - top - 27);
    grid->setGeometry(10, top + 9, cx - 20, cy - top - 39);
    add->setGeometry(cx - 90, cy - 20, 30, 20);
    remove->setGeometry(cx - 50, cy - 20, 30, 20);
}

QPushButton* smallButton(const QString& text) {
    auto* button = new QPushButton(text);
    button->setFixedSize(24, 22);
    return button;
}
