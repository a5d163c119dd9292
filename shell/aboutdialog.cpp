#include "shell/aboutdialog.h"

#include "shell/widgets/pictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("A propos de kesh"));
    auto* picture = new QLabel;
    picture->setPixmap(aboutPicture());
    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(new QLabel(QStringLiteral("Vantair editor version 0.3")), 1);
    row->addWidget(ok, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
}
