#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

// The editor's own images, drawn at run time.

enum class ToolbarImage { New, Open, Save, Cut, Copy, Paste, Print, About };

// A 16 x 16 toolbar button image.
QIcon toolbarIcon(ToolbarImage image);
// The 16 x 16 image of a parameter-bar tab, by tab index 0..5.
QIcon tabIcon(int tabIndex);
// The start-up picture.
QPixmap splashPicture();
// The picture of the about box.
QPixmap aboutPicture();
// A glider seen from above, nose up, filling `area`.
void drawGliderShape(QPainter& painter, const QRectF& area);
