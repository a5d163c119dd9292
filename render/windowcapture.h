#pragma once

#include <string>

class QOpenGLWidget;

// Writes what the view shows, at its widget size, to a 24-bit BMP file.
bool writeWindowBmp(const std::string& path, QOpenGLWidget& window);
