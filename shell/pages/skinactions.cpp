#include "shell/pages/skinactions.h"

#include "formats/diskpath.h"
#include "formats/simulatorpaths.h"
#include "formats/texturefile.h"
#include "model/glider.h"
#include "render/textureimage.h"
#include "shell/activedocumentsource.h"
#include "shell/keshdoc.h"
#include "shell/pages/gridrows.h"
#include "shell/userprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

QString translated(const char* source) {
    return QCoreApplication::translate("SkinActions", source);
}

QString imageFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QCoreApplication::translate("SkinActions",
                                       "Texture Files (*.raw);;Images (%1);;All Files (*.*)")
        .arg(patterns.join(QLatin1Char(' ')));
}

void refuse(UserPrompts& prompts, QWidget* owner, const QString& text) {
    prompts.message(owner, text, translated(QT_TRANSLATE_NOOP("SkinActions", "Erreur")),
                    PromptIcon::Error);
}

void refuse(UserPrompts& prompts, QWidget* owner, const std::string& text) {
    refuse(prompts, owner, QString::fromStdString(text));
}

// Where the glider file looks for its textures (made when missing if `make`); empty for a
// glider without a name or when it does not exist.
QString gliderDirectory(const Glider* glider, bool make) {
    if (glider == nullptr || glider->name.empty())
        return {};
    const std::string dir = storedToDiskPath(simulatorDirectory(), "gliders", glider->name);
    std::error_code ec;
    if (make)
        std::filesystem::create_directory(dir, ec);
    return std::filesystem::is_directory(dir, ec) ? fromDiskPath(dir) : QString();
}

std::optional<ImageFit> chooseFit(UserPrompts& prompts, QWidget* owner, const QImage& image) {
    // A square image is scaled whole either way.
    if (image.width() == image.height())
        return ImageFit::Scale;
    const QString question =
        QCoreApplication::translate("SkinActions", "L'image fait %1 x %2 pixels ; une texture fait "
                                                   "256 x 256. Mettre l'image entière à l'échelle "
                                                   "ou recadrer son carré central ?")
            .arg(image.width())
            .arg(image.height());
    const std::optional<int> choice =
        prompts.chooseOne(owner, question, QCoreApplication::translate("SkinActions", "Question"),
                          {QCoreApplication::translate("SkinActions", "Mettre à l'échelle"),
                           QCoreApplication::translate("SkinActions", "Recadrer")});
    if (!choice)
        return std::nullopt;
    return *choice == 1 ? ImageFit::Crop : ImageFit::Scale;
}

QString importImage(UserPrompts& prompts, QWidget* owner, const Glider* glider,
                    const QString& imagePath) {
    std::string error;
    const std::optional<QImage> image = readImageFile(toDiskPath(imagePath), error);
    if (!image) {
        refuse(prompts, owner, error);
        return {};
    }
    const std::optional<ImageFit> fit = chooseFit(prompts, owner, *image);
    if (!fit)
        return {};
    const QFileInfo source(imagePath);
    QString dir = gliderDirectory(glider, true);
    if (dir.isEmpty())
        dir = source.absolutePath();
    const QString target = prompts.saveFile(
        owner, QCoreApplication::translate("SkinActions", "Enregistrer la texture"),
        translated(QT_TRANSLATE_NOOP("SkinActions", "Texture Files (*.raw);;All Files (*.*)")),
        QDir(dir).filePath(source.completeBaseName() + QStringLiteral(".raw")),
        QStringLiteral("raw"), true);
    if (target.isEmpty())
        return {};
    if (!writeTextureFile(toDiskPath(target), textureFromImage(*image, *fit), error)) {
        refuse(
            prompts, owner,
            QCoreApplication::translate("SkinActions", "Impossible d'écrire la texture '%1' : %2.")
                .arg(target, QString::fromStdString(error)));
        return {};
    }
    return target;
}

bool isTextureName(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("raw"), Qt::CaseInsensitive) == 0;
}

bool writePng(UserPrompts& prompts, QWidget* owner, const QImage& image, const QString& title,
              const QString& proposed) {
    const QString target = prompts.saveFile(
        owner, title, translated(QT_TRANSLATE_NOOP("SkinActions", "Images PNG (*.png)")), proposed,
        QStringLiteral("png"), true);
    if (target.isEmpty())
        return false;
    std::string error;
    if (!writePngFile(image, toDiskPath(target), error)) {
        refuse(prompts, owner,
               QCoreApplication::translate("SkinActions", "Impossible d'écrire l'image '%1' : %2.")
                   .arg(target, QString::fromStdString(error)));
        return false;
    }
    return true;
}

QString missingPart(SkinPart part) {
    switch (part) {
    case SkinPart::Wing:
        return QCoreApplication::translate("SkinActions", "Le planeur n'a pas d'aile à peindre.");
    case SkinPart::Stab:
        return QCoreApplication::translate("SkinActions",
                                           "Le planeur n'a pas de stabilisateur à peindre.");
    case SkinPart::Fin:
        return QCoreApplication::translate("SkinActions",
                                           "Le planeur n'a pas de dérive à peindre.");
    case SkinPart::Body:
        break;
    }
    return QCoreApplication::translate("SkinActions", "Le planeur n'a pas de fuselage à peindre.");
}

QString partName(SkinPart part) {
    switch (part) {
    case SkinPart::Wing:
        return QStringLiteral("aile");
    case SkinPart::Stab:
        return QStringLiteral("stab");
    case SkinPart::Fin:
        return QStringLiteral("derive");
    case SkinPart::Body:
        break;
    }
    return QStringLiteral("fuselage");
}

QPushButton* pageButton(const QString& text, const QString& tip) {
    auto* button = new QPushButton(text);
    button->setToolTip(tip);
    button->setFixedHeight(22);
    return button;
}

} // namespace

QString browseSkin(UserPrompts& prompts, QWidget* owner, const Glider* glider) {
    const QString path =
        prompts.openFile(owner, QCoreApplication::translate("SkinActions", "Ouvrir"), imageFilter(),
                         QStringLiteral("*.raw"));
    // Anything but an image is taken for a texture file, as the simulator takes it.
    if (path.isEmpty() || isTextureName(path) || !isImageFile(toDiskPath(path)))
        return path;
    return importImage(prompts, owner, glider, path);
}

void exportSkin(UserPrompts& prompts, QWidget* owner, const QString& texturePath) {
    if (texturePath.trimmed().isEmpty()) {
        refuse(prompts, owner,
               QCoreApplication::translate("SkinActions", "Aucune texture n'est nommée."));
        return;
    }
    std::string error;
    const auto texels = readTextureToConvert(toDiskPath(texturePath.trimmed()), error);
    if (!texels) {
        refuse(prompts, owner, error);
        return;
    }
    const QFileInfo source(texturePath.trimmed());
    writePng(prompts, owner, imageFromTexture(*texels),
             QCoreApplication::translate("SkinActions", "Exporter la texture"),
             source.dir().filePath(source.completeBaseName() + QStringLiteral(".png")));
}

void saveSkinTemplate(UserPrompts& prompts, QWidget* owner, const Glider& glider, SkinPart part,
                      const QString& texturePath) {
    if (skinAreas(glider, part).empty()) {
        refuse(prompts, owner, missingPart(part));
        return;
    }
    const std::optional<int> size =
        prompts.chooseOne(owner, QCoreApplication::translate("SkinActions", "Taille du gabarit :"),
                          QCoreApplication::translate("SkinActions", "Question"),
                          {QStringLiteral("256 px"), QStringLiteral("512 px"),
                           QStringLiteral("1024 px"), QStringLiteral("2048 px")});
    if (!size)
        return;
    const std::optional<std::vector<unsigned char>> texture =
        readTextureFile(toDiskPath(texturePath.trimmed()));
    const QImage image =
        skinTemplate(glider, part, 1 << std::clamp(*size, 0, 3), texture ? &*texture : nullptr);
    QString dir = gliderDirectory(&glider, false);
    if (dir.isEmpty())
        dir = QDir::currentPath();
    writePng(prompts, owner, image,
             QCoreApplication::translate("SkinActions", "Enregistrer le gabarit"),
             QDir(dir).filePath(QStringLiteral("gabarit-%1.png").arg(partName(part))));
}

CSkinField::CSkinField(ActiveDocumentSource& source, SkinPart part, QWidget* owner)
    : QObject(owner), source_(source), part_(part), owner_(owner), field_(new QLineEdit),
      browse_(smallButton(QStringLiteral("..."))),
      export_(pageButton(
          translated(QT_TRANSLATE_NOOP("SkinActions", "Exporter en PNG...")),
          translated(QT_TRANSLATE_NOOP("SkinActions", "La texture en image, pour la retoucher")))),
      template_(pageButton(
          translated(QT_TRANSLATE_NOOP("SkinActions", "Gabarit...")),
          translated(QT_TRANSLATE_NOOP("SkinActions", "Gabarit de peinture : la place de "
                                                      "chaque panneau sur la texture")))) {
    connect(browse_, &QPushButton::clicked, this, &CSkinField::browse);
    connect(export_, &QPushButton::clicked, this, &CSkinField::exportImage);
    connect(template_, &QPushButton::clicked, this, &CSkinField::saveTemplate);
}

QString CSkinField::label() {
    return translated(QT_TRANSLATE_NOOP("SkinActions", "Fichier Texture"));
}

void CSkinField::addTo(QGridLayout& layout, int row) {
    layout.addWidget(new QLabel(translated(QT_TRANSLATE_NOOP("SkinActions", "Fichier Texture : "))),
                     row, 0);
    layout.addWidget(field_, row, 1);
    layout.addWidget(browse_, row, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(export_);
    buttons->addWidget(template_);
    buttons->addStretch(1);
    layout.addLayout(buttons, row + 1, 1, 1, 2);
}

void CSkinField::browse() {
    const CKeshDoc* doc = source_.activeDocument();
    const QString path = browseSkin(source_.prompts(), owner_, doc ? &doc->glider() : nullptr);
    if (!path.isEmpty())
        field_->setText(path);
}

void CSkinField::exportImage() {
    exportSkin(source_.prompts(), owner_, field_->text());
}

void CSkinField::saveTemplate() {
    if (const CKeshDoc* doc = source_.activeDocument())
        saveSkinTemplate(source_.prompts(), owner_, doc->glider(), part_, field_->text());
}
