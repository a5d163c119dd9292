#include "shell/widgets/gridctrl.h"

#include "shell/widgets/inplaceedit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kDataRole = Qt::UserRole;
constexpr int kTextMargin = 6;

bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

// A cell with a colour of its own (the pane colours) keeps showing it when selected.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(Qt::BackgroundRole).isValid())
            option->state &= ~QStyle::State_Selected;
    }
};

} // namespace

CGridCtrl::CGridCtrl(QWidget* parent)
    : QTableWidget(parent), corner_(std::make_unique<QTableWidgetItem>()) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setCornerButtonEnabled(false);
    setItemDelegate(new CellDelegate(this));
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    if (auto* corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
        corner->installEventFilter(this);
    scrollTimer_ = new QTimer(this);
    scrollTimer_->setInterval(50);
    connect(scrollTimer_, &QTimer::timeout, this, &CGridCtrl::autoScroll);
    normalBackground_ = palette().color(QPalette::Base);
}

CGridCtrl::~CGridCtrl() = default;

int CGridCtrl::rowCount() const {
    return QTableWidget::rowCount() + fixedRows_;
}

int CGridCtrl::columnCount() const {
    return QTableWidget::columnCount() + fixedCols_;
}

void CGridCtrl::setRowCount(int rows) {
    rows = std::max(rows, 0);
    if (isEditing())
        finishEdit(0);
    if (rows < fixedRows_)
        setFixedRowCount(rows);
    const CellId current = currentCell();
    QTableWidget::setRowCount(rows - fixedRows_);
    labelHeaders();
    setCurrentSilently(current.row < rows ? current : CellId{});
}

void CGridCtrl::setColumnCount(int cols) {
    cols = std::max(cols, 0);
    if (isEditing())
        finishEdit(0);
    if (cols < fixedCols_)
        setFixedColumnCount(cols);
    const CellId current = currentCell();
    QTableWidget::setColumnCount(cols - fixedCols_);
    labelHeaders();
    setCurrentSilently(current.col < cols ? current : CellId{});
}

void CGridCtrl::setFixedRowCount(int rows) {
    rows = std::clamp(rows, 0, 1);
    if (rows == fixedRows_)
        return;
    if (isEditing())
        finishEdit(0);
    setCurrentSilently({});
    const int cols = QTableWidget::columnCount();
    if (rows == 1 && QTableWidget::rowCount() > 0) {
        // The first row becomes the header.
        for (int c = 0; c < cols; ++c) {
            QTableWidgetItem* taken = takeItem(0, c);
            setHorizontalHeaderItem(c, taken ? taken : new QTableWidgetItem);
        }
        if (fixedCols_ == 1) {
            QTableWidgetItem* taken = takeVerticalHeaderItem(0);
            corner_.reset(taken ? taken : new QTableWidgetItem);
        }
        removeRow(0);
    } else if (rows == 0) {
        QTableWidget::insertRow(0);
        for (int c = 0; c < cols; ++c) {
            if (QTableWidgetItem* taken = takeHorizontalHeaderItem(c))
                setItem(0, c, taken);
            setHorizontalHeaderItem(c, new QTableWidgetItem);
        }
        if (fixedCols_ == 1) {
            setVerticalHeaderItem(0, corner_.release());
            corner_ = std::make_unique<QTableWidgetItem>();
        }
    }
    fixedRows_ = rows;
    horizontalHeader()->setVisible(fixedRows_ > 0);
    labelHeaders();
}

void CGridCtrl::setFixedColumnCount(int cols) {
    cols = std::clamp(cols, 0, 1);
    if (cols == fixedCols_)
        return;
    if (isEditing())
        finishEdit(0);
    setCurrentSilently({});
    const int rows = QTableWidget::rowCount();
    if (cols == 1 && QTableWidget::columnCount() > 0) {
        for (int r = 0; r < rows; ++r) {
            QTableWidgetItem* taken = takeItem(r, 0);
            setVerticalHeaderItem(r, taken ? taken : new QTableWidgetItem);
        }
        if (fixedRows_ == 1) {
            QTableWidgetItem* taken = takeHorizontalHeaderItem(0);
            corner_.reset(taken ? taken : new QTableWidgetItem);
        }
        removeColumn(0);
    } else if (cols == 0) {
        QTableWidget::insertColumn(0);
        for (int r = 0; r < rows; ++r) {
            if (QTableWidgetItem* taken = takeVerticalHeaderItem(r))
                setItem(r, 0, taken);
            setVerticalHeaderItem(r, new QTableWidgetItem);
        }
        if (fixedRows_ == 1) {
            setHorizontalHeaderItem(0, corner_.release());
            corner_ = std::make_unique<QTableWidgetItem>();
        }
    }
    fixedCols_ = cols;
    verticalHeader()->setVisible(fixedCols_ > 0);
    labelHeaders();
}

// Header sections without an item would show Qt's own numbering.
void CGridCtrl::labelHeaders() {
    for (int r = 0; r < QTableWidget::rowCount(); ++r)
        if (!verticalHeaderItem(r))
            setVerticalHeaderItem(r, new QTableWidgetItem);
    for (int c = 0; c < QTableWidget::columnCount(); ++c)
        if (!horizontalHeaderItem(c))
            setHorizontalHeaderItem(c, new QTableWidgetItem);
}

bool CGridCtrl::isValid(int row, int col) const {
    return row >= 0 && col >= 0 && row < rowCount() && col < columnCount();
}

QTableWidgetItem* CGridCtrl::item(int row, int col) const {
    if (!isValid(row, col))
        return nullptr;
    if (row < fixedRows_ && col < fixedCols_)
        return corner_.get();
    if (row < fixedRows_)
        return horizontalHeaderItem(col - fixedCols_);
    if (col < fixedCols_)
        return verticalHeaderItem(row - fixedRows_);
    return QTableWidget::item(row - fixedRows_, col - fixedCols_);
}

QTableWidgetItem* CGridCtrl::ensureItem(int row, int col) {
    if (!isValid(row, col))
        return nullptr;
    if (QTableWidgetItem* existing = item(row, col))
        return existing;
    auto* created = new QTableWidgetItem;
    if (row < fixedRows_)
        setHorizontalHeaderItem(col - fixedCols_, created);
    else if (col < fixedCols_)
        setVerticalHeaderItem(row - fixedRows_, created);
    else
        setItem(row - fixedRows_, col - fixedCols_, created);
    return created;
}

QModelIndex CGridCtrl::indexOf(int row, int col) const {
    if (!isValid(row, col) || isFixed(row, col))
        return {};
    return model()->index(row - fixedRows_, col - fixedCols_);
}

bool CGridCtrl::setCellText(int row, int col, const QString& text) {
    QTableWidgetItem* cell = ensureItem(row, col);
    if (!cell)
        return false;
    cell->setText(text);
    if (row < fixedRows_ && col < fixedCols_) {
        if (auto* corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
            corner->update();
    }
    return true;
}

QString CGridCtrl::cellText(int row, int col) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

bool CGridCtrl::setCellBackground(int row, int col, const QColor& color) {
    QTableWidgetItem* cell = ensureItem(row, col);
    if (!cell)
        return false;
    cell->setBackground(color);
    return true;
}

QColor CGridCtrl::cellBackground(int row, int col) const {
    const QTableWidgetItem* cell = item(row, col);
    if (cell && cell->background().style() != Qt::NoBrush)
        return cell->background().color();
    return isFixed(row, col) ? palette().color(QPalette::Button) : normalBackground_;
}

bool CGridCtrl::setItemData(int row, int col, std::uint32_t data) {
    QTableWidgetItem* cell = ensureItem(row, col);
    if (!cell)
        return false;
    cell->setData(kDataRole, QVariant::fromValue(data));
    return true;
}

std::uint32_t CGridCtrl::itemData(int row, int col) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->data(kDataRole).value<std::uint32_t>() : 0;
}

bool CGridCtrl::setCellReadOnly(int row, int col, bool readOnly) {
    QTableWidgetItem* cell = ensureItem(row, col);
    if (!cell)
        return false;
    cell->setFlags(readOnly ? cell->flags() & ~Qt::ItemIsEditable
                            : cell->flags() | Qt::ItemIsEditable);
    return true;
}

bool CGridCtrl::isCellReadOnly(int row, int col) const {
    if (!isValid(row, col) || isFixed(row, col))
        return true;
    const QTableWidgetItem* cell = item(row, col);
    return cell && !(cell->flags() & Qt::ItemIsEditable);
}

void CGridCtrl::setColumnWidth(int col, int width) {
    if (col < 0 || col >= columnCount())
        return;
    if (col < fixedCols_)
        verticalHeader()->setFixedWidth(width);
    else
        QTableWidget::setColumnWidth(col - fixedCols_, width);
}

int CGridCtrl::columnWidth(int col) const {
    if (col < 0 || col >= columnCount())
        return 0;
    if (col < fixedCols_)
        return verticalHeader()->width();
    return QTableWidget::columnWidth(col - fixedCols_);
}

void CGridCtrl::setNormalBackground(const QColor& color) {
    normalBackground_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    setPalette(pal);
}

QColor CGridCtrl::normalBackground() const {
    return normalBackground_;
}

int CGridCtrl::insertRow(const QString& label, int index) {
    const int rows = rowCount();
    if (index == -1)
        index = rows;
    else if (index < 0 || index >= rows)
        return -1;
    if (index < fixedRows_)
        return -1;
    if (isEditing())
        finishEdit(0);

    CellId current = currentCell();
    QTableWidget::insertRow(index - fixedRows_);
    labelHeaders();
    if (index - 1 >= fixedRows_) {
        for (int c = fixedCols_; c < columnCount(); ++c) {
            const QTableWidgetItem* above = item(index - 1, c);
            const QVariant format = above ? above->data(Qt::TextAlignmentRole) : QVariant();
            if (format.isValid())
                ensureItem(index, c)->setData(Qt::TextAlignmentRole, format);
        }
    }
    setCellText(index, 0, label);
    if (current.isValid() && current.row > index)
        ++current.row;
    setCurrentSilently(current);
    if (current.isValid())
        selectRange(current, current);
    return index;
}

bool CGridCtrl::deleteRow(int row) {
    if (row < fixedRows_ || row >= rowCount())
        return false;
    if (isEditing())
        finishEdit(0);
    CellId current = currentCell();
    removeRow(row - fixedRows_);
    if (current.row == row)
        current = {};
    else if (current.row > row)
        --current.row;
    setCurrentSilently(current);
    if (current.isValid())
        selectRange(current, current);
    else
        clearSelection();
    return true;
}

CellId CGridCtrl::currentCell() const {
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return {};
    return {index.row() + fixedRows_, index.column() + fixedCols_};
}

void CGridCtrl::setCurrentSilently(CellId cell) {
    const QModelIndex index = indexOf(cell.row, cell.col);
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    else
        selectionModel()->clearCurrentIndex();
}

void CGridCtrl::setCurrentCell(int row, int col) {
    if (!indexOf(row, col).isValid()) {
        setCurrentSilently({});
        clearSelection();
        return;
    }
    moveTo({row, col}, false);
}

void CGridCtrl::moveTo(CellId cell, bool extendSelection) {
    if (!indexOf(cell.row, cell.col).isValid())
        return;
    const CellId old = currentCell();
    if (!extendSelection || !anchor_.isValid())
        anchor_ = cell;
    selectRange(anchor_, cell);
    if (old == cell)
        return;
    if (old.isValid())
        emit cellLeaving(old.row, old.col);
    setCurrentSilently(cell);
    scrollTo(indexOf(cell.row, cell.col));
    emit cellMoved(cell.row, cell.col);
}

void CGridCtrl::selectRange(CellId from, CellId to) {
    const QModelIndex a = indexOf(from.row, from.col);
    const QModelIndex b = indexOf(to.row, to.col);
    if (!a.isValid() || !b.isValid())
        return;
    const QModelIndex topLeft =
        model()->index(std::min(a.row(), b.row()), std::min(a.column(), b.column()));
    const QModelIndex bottomRight =
        model()->index(std::max(a.row(), b.row()), std::max(a.column(), b.column()));
    selectionModel()->select(QItemSelection(topLeft, bottomRight),
                             QItemSelectionModel::ClearAndSelect);
}

void CGridCtrl::selectAllCells() {
    if (rowCount() > fixedRows_ && columnCount() > fixedCols_)
        selectRange({fixedRows_, fixedCols_}, {rowCount() - 1, columnCount() - 1});
}

std::pair<CellId, CellId> CGridCtrl::selectedRange() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return {};
    int top = selected.front().row(), bottom = top;
    int left = selected.front().column(), right = left;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    return {{top + fixedRows_, left + fixedCols_}, {bottom + fixedRows_, right + fixedCols_}};
}

QByteArray CGridCtrl::selectionText() const {
    const auto [from, to] = selectedRange();
    QByteArray text;
    if (!from.isValid())
        return text;
    for (int r = from.row; r <= to.row; ++r) {
        if (r > from.row)
            text += '\n';
        for (int c = from.col; c <= to.col; ++c) {
            if (c > from.col)
                text += '\t';
            const QString cell = cellText(r, c);
            text += cell.isEmpty() ? QByteArray(" ") : cell.toUtf8();
        }
    }
    return text;
}

void CGridCtrl::copy() const {
    const QByteArray text = selectionText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(QString::fromUtf8(text));
}

void CGridCtrl::cut() {
    copy();
    clearSelectedCells();
}

void CGridCtrl::clearSelectedCells() {
    const auto [from, to] = selectedRange();
    if (!from.isValid())
        return;
    for (int r = from.row; r <= to.row; ++r)
        for (int c = from.col; c <= to.col; ++c)
            if (!isCellReadOnly(r, c) && !cellText(r, c).isEmpty()) {
                setCellText(r, c, QString());
                modified_ = true;
            }
}

void CGridCtrl::paste() {
    pasteText(QApplication::clipboard()->text());
}

void CGridCtrl::pasteText(const QString& text) {
    const CellId start = currentCell();
    if (!start.isValid())
        return;
    // Text from C programs may end with a NUL.
    const QString content =
        text.left(text.indexOf(QChar(0)) < 0 ? text.size() : text.indexOf(QChar(0)));
    const QStringList lines = content.split(QLatin1Char('\n'));
    for (int line = 0; line < lines.size(); ++line) {
        const int row = start.row + line;
        int col = start.col;
        QString token;
        const QString& source = lines[line];
        for (int i = 0; i <= source.size(); ++i) {
            const bool end = i == source.size();
            const QChar ch = end ? QChar() : source[i];
            if (!end && ch != QLatin1Char('\t') && ch != QLatin1Char(',')) {
                token += ch;
                continue;
            }
            if (token.isEmpty())
                continue;
            if (isValid(row, col) && !isCellReadOnly(row, col)) {
                setCellText(row, col, token.trimmed());
                modified_ = true;
            }
            ++col;
            token.clear();
        }
    }
    viewport()->update();
}

CellId CGridCtrl::cellAt(const QPoint& viewportPos) const {
    const QModelIndex index = indexAt(viewportPos);
    if (!index.isValid())
        return {};
    return {index.row() + fixedRows_, index.column() + fixedCols_};
}

int CGridCtrl::rowsPerPage() const {
    const int rowHeight = std::max(1, verticalHeader()->defaultSectionSize());
    return std::max(1, viewport()->height() / rowHeight);
}

bool CGridCtrl::navigate(int key, Qt::KeyboardModifiers modifiers) {
    const CellId current = currentCell();
    if (!current.isValid())
        return false;
    const int lastRow = rowCount() - 1;
    const int lastCol = columnCount() - 1;
    CellId target = current;
    switch (key) {
    case Qt::Key_Up:
        target.row = std::max(fixedRows_, current.row - 1);
        break;
    case Qt::Key_Down:
        target.row = std::min(lastRow, current.row + 1);
        break;
    case Qt::Key_Left:
        target.col = std::max(fixedCols_, current.col - 1);
        break;
    case Qt::Key_Right:
        target.col = std::min(lastCol, current.col + 1);
        break;
    case Qt::Key_Home:
        target.row = fixedRows_;
        break;
    case Qt::Key_End:
        target.row = lastRow;
        break;
    case Qt::Key_PageUp:
        target.row = std::max(fixedRows_, current.row - rowsPerPage());
        break;
    case Qt::Key_PageDown:
        target.row = std::min(lastRow, current.row + rowsPerPage());
        break;
    case Qt::Key_Tab:
        if (current.col < lastCol)
            ++target.col;
        else if (current.row < lastRow)
            target = {current.row + 1, fixedCols_};
        else
            return false;
        break;
    case Qt::Key_Backtab:
        if (current.col > fixedCols_)
            --target.col;
        else if (current.row > fixedRows_)
            target = {current.row - 1, lastCol};
        else
            return false;
        break;
    default:
        return false;
    }
    const bool extend =
        (modifiers & Qt::ShiftModifier) && key != Qt::Key_Tab && key != Qt::Key_Backtab;
    moveTo(target, extend);
    return true;
}

bool CGridCtrl::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        // Ctrl+Tab belongs to the tabs around the grid.
        if (tab && !(key->modifiers() & Qt::ControlModifier)) {
            const bool back =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            // Past the last cell (or before the first) the focus leaves the grid, through
            // the plain widget's chain: the item view's would send the Tab back here.
            if (!navigate(back ? Qt::Key_Backtab : Qt::Key_Tab, Qt::NoModifier))
                QWidget::focusNextPrevChild(!back);
            return true;
        }
    }
    // The grid's own clipboard and editing keys win over window shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
            key->matches(QKeySequence::Paste) || key->matches(QKeySequence::SelectAll) ||
            key->key() == Qt::Key_Delete) {
            event->accept();
            return true;
        }
    }
    return QTableWidget::event(event);
}

void CGridCtrl::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    if (ctrl && key == Qt::Key_A) {
        selectAllCells();
        return;
    }
    if (ctrl && key == Qt::Key_C) {
        copy();
        return;
    }
    if (ctrl && key == Qt::Key_X) {
        cut();
        return;
    }
    if (ctrl && key == Qt::Key_V) {
        paste();
        return;
    }
    if (ctrl && (key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
        event->ignore();
        return;
    }
    if (isNavigationKey(key)) {
        navigate(key == Qt::Key_Tab && (mods & Qt::ShiftModifier) ? Qt::Key_Backtab : key, mods);
        return;
    }
    const CellId current = currentCell();
    if (!current.isValid() || isCellReadOnly(current.row, current.col))
        return;
    switch (key) {
    case Qt::Key_Delete:
        setCellText(current.row, current.col, QString());
        modified_ = true;
        return;
    case Qt::Key_Backspace:
        startEdit(EditStart::Backspace);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        startEdit(EditStart::Caret);
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (!ctrl && !(mods & Qt::AltModifier) && !typed.isEmpty() && typed.front().isPrint())
        startEdit(EditStart::Character, typed);
}

void CGridCtrl::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const CellId cell = cellAt(event->position().toPoint());
    pressOnCurrent_ = false;
    if (!cell.isValid())
        return;
    pressOnCurrent_ = cell == currentCell();
    pressCell_ = cell;
    moveTo(cell, event->modifiers() & Qt::ShiftModifier);
    dragging_ = event->button() == Qt::LeftButton;
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint pos = event->position().toPoint();
    if (!viewport()->rect().contains(pos)) {
        if (!scrollTimer_->isActive())
            scrollTimer_->start();
        return;
    }
    scrollTimer_->stop();
    const CellId cell = cellAt(pos);
    if (cell.isValid())
        selectRange(anchor_, cell);
}

void CGridCtrl::autoScroll() {
    if (!dragging_) {
        scrollTimer_->stop();
        return;
    }
    const QPoint pos = viewport()->mapFromGlobal(QCursor::pos());
    const QRect area = viewport()->rect();
    if (pos.y() < area.top())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (pos.y() > area.bottom())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (pos.x() < area.left())
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (pos.x() > area.right())
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const QPoint inside(std::clamp(pos.x(), area.left(), area.right()),
                        std::clamp(pos.y(), area.top(), area.bottom()));
    const CellId cell = cellAt(inside);
    if (cell.isValid())
        selectRange(anchor_, cell);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    scrollTimer_->stop();
    if (event->button() != Qt::LeftButton || !pressOnCurrent_)
        return;
    pressOnCurrent_ = false;
    const CellId cell = cellAt(event->position().toPoint());
    if (cell.isValid() && cell == pressCell_ && cell == currentCell() &&
        !isCellReadOnly(cell.row, cell.col))
        startEdit(EditStart::Caret);
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    pressOnCurrent_ = false;
    const CellId cell = cellAt(event->position().toPoint());
    if (!cell.isValid() || event->button() != Qt::LeftButton)
        return;
    moveTo(cell, false);
    if (!isCellReadOnly(cell.row, cell.col) && !isEditing())
        startEdit(EditStart::Caret);
}

void CGridCtrl::focusInEvent(QFocusEvent* event) {
    // Skips the item view's habit of making the first cell current on focus.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

bool CGridCtrl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const CellId cell = cellAt(help->pos());
        const QString text = cellText(cell.row, cell.col);
        const QRect rect = visualRect(indexOf(cell.row, cell.col));
        if (!text.isEmpty() && fontMetrics().horizontalAdvance(text) + kTextMargin > rect.width())
            QToolTip::showText(help->globalPos(), text, viewport(), rect);
        else
            QToolTip::hideText();
        return true;
    }
    return QTableWidget::viewportEvent(event);
}

bool CGridCtrl::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint) {
        QPainter painter(corner);
        QStyleOptionHeader option;
        option.initFrom(corner);
        // The corner is a disabled button, but its title must not look greyed out.
        option.state |= QStyle::State_Enabled;
        option.palette = palette();
        option.rect = corner->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.textAlignment = Qt::AlignCenter;
        option.text = corner_->text();
        corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

void CGridCtrl::startEdit(EditStart how, const QString& typed) {
    const CellId cell = currentCell();
    if (!cell.isValid() || isCellReadOnly(cell.row, cell.col) || isEditing())
        return;
    scrollTo(indexOf(cell.row, cell.col));
    const QString original = cellText(cell.row, cell.col);
    QString text = original;
    if (how == EditStart::Character)
        text = typed;
    else if (how == EditStart::Backspace)
        text.chop(1);

    editCell_ = cell;
    auto* edit = new CInPlaceEdit(original, how != EditStart::Caret, viewport());
    edit->setFont(font());
    edit->setText(text);
    edit->place(visualRect(indexOf(cell.row, cell.col)), viewport()->width());
    edit->setCursorPosition(text.size());
    connect(edit, &CInPlaceEdit::finished, this, &CGridCtrl::finishEdit);
    editor_ = edit;
    edit->show();
    edit->setFocus(Qt::OtherFocusReason);
}

void CGridCtrl::finishEdit(int key) {
    CInPlaceEdit* edit = editor_;
    if (!edit)
        return;
    editor_ = nullptr;
    const QString text = edit->text();
    const bool keepFocus = key != 0 || edit->hasFocus();
    if (keepFocus)
        setFocus(Qt::OtherFocusReason);
    edit->hide();
    edit->deleteLater();

    const CellId cell = editCell_;
    editCell_ = {};
    if (!isValid(cell.row, cell.col))
        return;
    if (text != cellText(cell.row, cell.col)) {
        setCellText(cell.row, cell.col, text);
        modified_ = true;
    }
    viewport()->update();
    emit editEnded(cell.row, cell.col);
    if (isNavigationKey(key))
        navigate(key, Qt::NoModifier);
}
