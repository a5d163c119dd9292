#pragma once

#include "shell/widgets/inplaceedit.h"

#include <QByteArray>
#include <QColor>
#include <QPointer>
#include <QString>
#include <QTableWidget>

#include <cstdint>
#include <memory>

class QTableWidgetItem;
class QTimer;

// A cell position; -1 for "none".
struct CellId {
    int row = -1;
    int col = -1;
    bool isValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CellId&) const = default;
};

/**
 * A grid of text cells with an optional fixed header row and fixed first column, its own
 * current cell, in-place editing and clipboard transfer. Rows and columns count from 0 and
 * include the fixed ones. The fixed row and column are the table's headers, so they stay in
 * place while the cells scroll; at most one of each is supported.
 */
class CGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);
    ~CGridCtrl() override;

    int rowCount() const;
    int columnCount() const;
    int fixedRowCount() const { return fixedRows_; }
    int fixedColumnCount() const { return fixedCols_; }
    // Cells inside the new bounds keep their content; a current cell outside is dropped.
    void setRowCount(int rows);
    void setColumnCount(int cols);
    void setFixedRowCount(int rows);
    void setFixedColumnCount(int cols);

    bool isValid(int row, int col) const;
    bool isFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }

    bool setCellText(int row, int col, const QString& text);
    QString cellText(int row, int col) const;
    bool setCellBackground(int row, int col, const QColor& color);
    QColor cellBackground(int row, int col) const;
    bool setItemData(int row, int col, std::uint32_t data);
    std::uint32_t itemData(int row, int col) const; // 0 outside the grid
    bool setCellReadOnly(int row, int col, bool readOnly);
    bool isCellReadOnly(int row, int col) const;

    void setColumnWidth(int col, int width);
    int columnWidth(int col) const;
    void setNormalBackground(const QColor& color);
    QColor normalBackground() const;

    /**
     * Inserts a row before `index`, or appends it when index is -1, with `label` in column
     * 0. Returns the new row, or -1 when index lies at or beyond the row count (or inside
     * the fixed rows). A current cell on the insertion row stays on that row index.
     */
    int insertRow(const QString& label, int index = -1);
    // Removes a non-fixed row. A current cell on it is dropped; one below moves up.
    bool deleteRow(int row);

    CellId currentCell() const;
    // Moves the current cell as the user does, with the notifications; an invalid or fixed
    // cell clears it silently.
    void setCurrentCell(int row, int col);
    void selectRange(CellId from, CellId to);
    void selectAllCells();
    // The selected range, top-left and bottom-right; invalid ids when nothing is selected.
    std::pair<CellId, CellId> selectedRange() const;

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // The selection as clipboard text (UTF-8): rows joined by LF, cells by TAB, an empty cell as a
    // blank. No NUL ends it: the system clipboard holds the length, and a NUL would be pasted
    // into other programs.
    QByteArray selectionText() const;
    void copy() const;
    void cut();
    void paste();
    // Writes clipboard-form text from the current cell rightwards and downwards.
    void pasteText(const QString& text);

    bool isEditing() const { return editor_ != nullptr; }
    CInPlaceEdit* editor() const { return editor_; }

signals:
    // The current cell is about to leave this cell.
    void cellLeaving(int row, int col);
    // The current cell has moved to this cell.
    void cellMoved(int row, int col);
    // An in-place edit of this cell has ended.
    void editEnded(int row, int col);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    enum class EditStart { Character, Backspace, Caret };

    QTableWidgetItem* item(int row, int col) const;
    QTableWidgetItem* ensureItem(int row, int col);
    QModelIndex indexOf(int row, int col) const;
    CellId cellAt(const QPoint& viewportPos) const;
    void setCurrentSilently(CellId cell);
    void moveTo(CellId cell, bool extendSelection);
    bool navigate(int key, Qt::KeyboardModifiers modifiers);
    int rowsPerPage() const;
    void labelHeaders();
    void clearSelectedCells();

    void startEdit(EditStart how, const QString& typed = {});
    void finishEdit(int key);
    void autoScroll();

    int fixedRows_ = 1;
    int fixedCols_ = 1;
    bool modified_ = false;
    std::unique_ptr<QTableWidgetItem> corner_;
    QColor normalBackground_;
    QPointer<CInPlaceEdit> editor_;
    CellId editCell_;
    CellId anchor_;
    CellId pressCell_;
    bool pressOnCurrent_ = false;
    bool dragging_ = false;
    QTimer* scrollTimer_ = nullptr;
};
