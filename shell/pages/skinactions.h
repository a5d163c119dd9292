#pragma once

#include "render/skintemplate.h"

#include <QObject>
#include <QString>

class ActiveDocumentSource;
class Glider;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;
class UserPrompts;

// The skin actions beside the texture fields of the pages.

/**
 * "..." of a texture field: a chosen texture file as it is, or a texture made from a chosen
 * image (fitted as the user says when it is not square) and written where the user says,
 * the glider's own directory proposed. The path for the field; empty when cancelled or
 * refused (a message then says why).
 */
QString browseSkin(UserPrompts& prompts, QWidget* owner, const Glider* glider);

// Writes the texture named in the field as a PNG image where the user says.
void exportSkin(UserPrompts& prompts, QWidget* owner, const QString& texturePath);

// Draws the part's painting template over the texture named in the field (over white
// without one), at the size the user picks, and writes it where the user says.
void saveSkinTemplate(UserPrompts& prompts, QWidget* owner, const Glider& glider, SkinPart part,
                      const QString& texturePath);

/**
 * The texture field of a surface or body page: "Fichier Texture" with its "...", and under
 * it the texture as an image and the part's painting template. The field holds the path
 * until the page applies it.
 */
class CSkinField : public QObject {
    Q_OBJECT
public:
    CSkinField(ActiveDocumentSource& source, SkinPart part, QWidget* owner);

    // The label, the field and "..." on `row` of `layout`, the two buttons on the next.
    void addTo(QGridLayout& layout, int row);
    // The field's name in messages.
    static QString label();

    void browse();
    void exportImage();
    void saveTemplate();

    QLineEdit* field() const { return field_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* exportButton() const { return export_; }
    QPushButton* templateButton() const { return template_; }

private:
    ActiveDocumentSource& source_;
    SkinPart part_;
    QWidget* owner_;
    QLineEdit* field_;
    QPushButton* browse_;
    QPushButton* export_;
    QPushButton* template_;
};
