#pragma once

#include "model/pane.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <cstdint>

class CGridCtrl;
class QWidget;
class UserPrompts;

// Cell text of a number: "%f".
QString cellText(float value);
// A cell's number as the C conversion reads it, whatever the user's locale: leading blanks,
// then the longest number, a comma standing for the decimal point; 0 when the text does not begin
// with one or it would not be a finite float.
double cellNumber(const QString& text);

// 24-bit colour value, red in the low byte; each byte is the component x 255, truncated.
// Every byte survives a round trip through a glider file's six digits.
std::uint32_t colorRef(const Color& color);
Color colorFromRef(std::uint32_t ref);

// A cell's value for the model: `held` itself while the cell still shows it as Load wrote
// it (text, or colour value), so an untouched value is never rounded; else the cell's.
float cellValue(const QString& text, float held);
Color cellColor(std::uint32_t ref, const Color& held);
QColor toQColor(std::uint32_t ref);
std::uint32_t colorRef(const QColor& color);

// One fixed header row with `titles`, one fixed label column 50 pixels wide, the pale
// yellow of editable cells.
void setUpSectionGrid(CGridCtrl& grid, const QStringList& titles);
// "%d" of the row number in column 0 of every data row.
void renumberRows(CGridCtrl& grid);
/**
 * Adds a row for "Add": after the current row when it is the last one, before it
 * otherwise, at the end without a current cell. Returns the new row.
 */
int addGridRow(CGridCtrl& grid, const QString& label);
// The current row once the user has agreed to delete it, or -1 (with the message saying
// why when there is no current cell).
int rowToDelete(CGridCtrl& grid, UserPrompts& prompts, QWidget* owner);

class QGroupBox;
class QPushButton;
class QSize;

/**
 * Lays out a grid page: its fields across the top, then the frame from `gridTop` (or
 * lower, when the fields need more room) down, the grid inside it and "Add" and "Supr" in
 * the bottom right corner.
 */
void layOutGridPage(QWidget* fields, int gridTop, const QSize& client, QGroupBox* frame,
                    CGridCtrl* grid, QPushButton* add, QPushButton* remove);

// The small square buttons of the pages ("...", "E").
QPushButton* smallButton(const QString& text);
