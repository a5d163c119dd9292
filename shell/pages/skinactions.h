#pragma once

#include "render/skintemplate.h"

#include <QString>

class Glider;
class QHBoxLayout;
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

// The row under a texture field with its two buttons: the texture as an image, the
// painting template.
QHBoxLayout* skinButtonRow(QPushButton*& exportButton, QPushButton*& templateButton);
