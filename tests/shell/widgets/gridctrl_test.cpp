#include "shell/widgets/gridctrl.h"
#include "shell/widgets/inplaceedit.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A 5 x 4 grid with one fixed row and column, cell texts "r,c".
class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.setFixedRowCount(1);
        grid.setFixedColumnCount(1);
        grid.setRowCount(5);
        grid.setColumnCount(4);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c)
                grid.setCellText(r, c, QString("%1,%2").arg(r).arg(c));
        grid.resize(500, 300);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    QPoint centre(int row, int col) {
        return grid.visualRect(grid.model()->index(row - 1, col - 1)).center();
    }
    void click(int row, int col) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre(row, col));
    }
    void key(int k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(&grid, Qt::Key(k), mods); }

    CGridCtrl grid;
};

TEST_F(GridTest, countsKeepCellsAndDropCurrentCellOutside) {
    grid.setCurrentCell(4, 3);
    grid.setRowCount(3);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_FALSE(grid.currentCell().isValid());
    EXPECT_EQ(grid.cellText(2, 3), "2,3");
    grid.setCurrentCell(2, 2);
    grid.setRowCount(6);
    grid.setColumnCount(5);
    EXPECT_EQ(grid.currentCell(), (CellId{2, 2}));
    EXPECT_EQ(grid.cellText(1, 1), "1,1");
    EXPECT_EQ(grid.cellText(5, 4), "");
    EXPECT_EQ(grid.cellText(0, 0), "0,0");
    EXPECT_FALSE(grid.setCellText(6, 0, "x"));
    EXPECT_FALSE(grid.setCellText(0, 5, "x"));
    EXPECT_EQ(grid.itemData(9, 9), 0u);
    EXPECT_TRUE(grid.setItemData(3, 3, 0xffeeddu));
    EXPECT_EQ(grid.itemData(3, 3), 0xffeeddu);
}

TEST_F(GridTest, insertRowFollowsTheCurrentCellRules) {
    grid.setCurrentCell(2, 1);
    EXPECT_EQ(grid.insertRow("new", 2), 2);
    EXPECT_EQ(grid.rowCount(), 6);
    EXPECT_EQ(grid.currentCell(), (CellId{2, 1})) << "stays on the inserted row";
    EXPECT_EQ(grid.cellText(2, 0), "new");
    EXPECT_EQ(grid.cellText(2, 1), "");
    EXPECT_EQ(grid.cellText(3, 1), "2,1");

    EXPECT_EQ(grid.insertRow("above", 1), 1);
    EXPECT_EQ(grid.currentCell(), (CellId{3, 1})) << "a current cell below moves down";

    EXPECT_EQ(grid.insertRow("end", -1), 7);
    EXPECT_EQ(grid.currentCell(), (CellId{3, 1}));
    EXPECT_EQ(grid.cellText(7, 0), "end");

    EXPECT_EQ(grid.insertRow("x", grid.rowCount()), -1);
    EXPECT_EQ(grid.insertRow("x", 0), -1) << "the header row stays first";
    EXPECT_EQ(grid.rowCount(), 8);
}

TEST_F(GridTest, insertedCellsTakeTheTextFormatOfTheCellAbove) {
    grid.QTableWidget::item(1, 0)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid.insertRow("new", 3);
    const auto format = [&](int row, int col) {
        const QTableWidgetItem* cell = grid.QTableWidget::item(row - 1, col - 1);
        return cell ? cell->data(Qt::TextAlignmentRole) : QVariant();
    };
    EXPECT_EQ(format(3, 1).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_FALSE(format(3, 2).isValid()) << "no format of its own above, none copied";
}

TEST_F(GridTest, deleteRowFollowsTheCurrentCellRules) {
    grid.setCurrentCell(3, 2);
    EXPECT_TRUE(grid.deleteRow(1));
    EXPECT_EQ(grid.currentCell(), (CellId{2, 2}));
    EXPECT_EQ(grid.cellText(2, 2), "3,2");
    EXPECT_TRUE(grid.deleteRow(3));
    EXPECT_EQ(grid.currentCell(), (CellId{2, 2}));
    EXPECT_TRUE(grid.deleteRow(2));
    EXPECT_FALSE(grid.currentCell().isValid());
    EXPECT_FALSE(grid.deleteRow(0));
    EXPECT_FALSE(grid.deleteRow(grid.rowCount()));
    EXPECT_EQ(grid.rowCount(), 2);
}

TEST_F(GridTest, clickNotifiesMovesButNotOnTheCurrentCell) {
    QSignalSpy leaving(&grid, &CGridCtrl::cellLeaving);
    QSignalSpy moved(&grid, &CGridCtrl::cellMoved);
    click(1, 1);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0), (QList<QVariant>{1, 1}));
    EXPECT_EQ(leaving.count(), 0);

    click(2, 3);
    ASSERT_EQ(moved.count(), 2);
    ASSERT_EQ(leaving.count(), 1);
    EXPECT_EQ(leaving.at(0), (QList<QVariant>{1, 1}));

    // A second click on the current cell edits it instead of moving.
    click(2, 3);
    EXPECT_EQ(moved.count(), 2);
    EXPECT_EQ(leaving.count(), 1);
    ASSERT_TRUE(grid.isEditing());
    EXPECT_EQ(grid.editor()->text(), "2,3");
    EXPECT_EQ(grid.editor()->cursorPosition(), 3);
}

// Tab and Shift+Tab leave the grid past its ends; Ctrl+Tab is left to the tabs around it.
TEST(GridFocus, tabLeavesAfterTheLastCellAndCtrlTabReachesTheTabs) {
    QTabWidget tabs;
    auto* page = new QWidget;
    auto* before = new QLineEdit(page);
    auto* grid = new CGridCtrl(page);
    auto* after = new QLineEdit(page);
    auto* layout = new QVBoxLayout(page);
    for (QWidget* w : std::initializer_list<QWidget*>{before, grid, after})
        layout->addWidget(w);
    tabs.addTab(page, QStringLiteral("one"));
    tabs.addTab(new QWidget, QStringLiteral("two"));
    grid->setFixedRowCount(1);
    grid->setFixedColumnCount(1);
    grid->setRowCount(3);
    grid->setColumnCount(3);
    tabs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
    // The window's focus widget, which follows even while another program has the display.

    grid->setFocus();
    grid->setCurrentCell(2, 1);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentCell(), (CellId{2, 2}));
    EXPECT_EQ(tabs.focusWidget(), grid);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(tabs.focusWidget(), after);

    grid->setFocus();
    grid->setCurrentCell(1, 1);
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(tabs.focusWidget(), before);

    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs.currentIndex(), 1);
    EXPECT_EQ(grid->currentCell(), (CellId{1, 1}));
}

TEST_F(GridTest, keyboardNavigationWrapsWithTab) {
    QSignalSpy moved(&grid, &CGridCtrl::cellMoved);
    key(Qt::Key_Down);
    EXPECT_FALSE(grid.currentCell().isValid()) << "no current cell, nothing to move";
    grid.setCurrentCell(1, 3);
    key(Qt::Key_Tab);
    EXPECT_EQ(grid.currentCell(), (CellId{2, 1}));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid.currentCell(), (CellId{1, 3}));
    key(Qt::Key_Right);
    EXPECT_EQ(grid.currentCell(), (CellId{1, 3}));
    key(Qt::Key_End);
    EXPECT_EQ(grid.currentCell(), (CellId{4, 3}));
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    EXPECT_EQ(grid.currentCell(), (CellId{3, 2}));
    key(Qt::Key_Home);
    EXPECT_EQ(grid.currentCell(), (CellId{1, 2}));
    key(Qt::Key_Up);
    EXPECT_EQ(grid.currentCell(), (CellId{1, 2})) << "the header row is never current";
    key(Qt::Key_PageDown);
    EXPECT_EQ(grid.currentCell(), (CellId{4, 2}));
    EXPECT_EQ(moved.count(), 8);
}

TEST_F(GridTest, copyWritesRowsTabsAndBlanksWithoutANul) {
    grid.setCellText(2, 2, "");
    grid.setCurrentCell(1, 1);
    grid.selectRange({1, 1}, {2, 2});
    EXPECT_EQ(grid.selectionText(), QByteArray("1,1\t1,2\n2,1\t "));
    key(Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied, QStringLiteral("1,1\t1,2\n2,1\t "));
    EXPECT_FALSE(copied.contains(QChar(0)));

    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(grid.cellText(1, 1), "");
    EXPECT_EQ(grid.cellText(2, 1), "");
    EXPECT_EQ(grid.cellText(1, 3), "1,3");
    EXPECT_TRUE(grid.isModified());
}

TEST_F(GridTest, pasteSplitsAtCommasTabsAndLines) {
    grid.setCurrentCell(2, 2);
    grid.pasteText("1,2");
    EXPECT_EQ(grid.cellText(2, 2), "1");
    EXPECT_EQ(grid.cellText(2, 3), "2");
    EXPECT_EQ(grid.cellText(2, 1), "2,1");
    EXPECT_TRUE(grid.isModified());

    grid.setCurrentCell(3, 1);
    grid.pasteText(" a \t,b, c\r\n\t\td\te\tf\tbeyond\n");
    EXPECT_EQ(grid.cellText(3, 1), "a");
    EXPECT_EQ(grid.cellText(3, 2), "b");
    EXPECT_EQ(grid.cellText(3, 3), "c");
    EXPECT_EQ(grid.cellText(4, 1), "d");
    EXPECT_EQ(grid.cellText(4, 2), "e");
    EXPECT_EQ(grid.cellText(4, 3), "f");
    EXPECT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(grid.rowCount(), 5);

    grid.setCurrentCell(1, 1);
    grid.pasteText(QString("x") + QChar(0) + ",y");
    EXPECT_EQ(grid.cellText(1, 1), "x");
    EXPECT_EQ(grid.cellText(1, 2), "1,2");

    // A copied selection pastes back into the same shape, blanks included.
    grid.setCellText(1, 1, "a");
    grid.setCellText(1, 2, "");
    grid.setCellText(1, 3, "c");
    grid.selectRange({1, 1}, {1, 3});
    const QByteArray copied = grid.selectionText();
    grid.setCurrentCell(2, 1);
    grid.pasteText(QString::fromUtf8(copied));
    EXPECT_EQ(grid.cellText(2, 1), "a");
    EXPECT_EQ(grid.cellText(2, 2), "");
    EXPECT_EQ(grid.cellText(2, 3), "c");
}

TEST_F(GridTest, typingReplacesTheTextAndEscapeRestoresIt) {
    QSignalSpy ended(&grid, &CGridCtrl::editEnded);
    grid.setCurrentCell(2, 2);
    QTest::keyClicks(&grid, "7");
    ASSERT_TRUE(grid.isEditing());
    QTest::keyClicks(grid.editor(), "5");
    EXPECT_EQ(grid.editor()->text(), "75");
    QTest::keyClick(grid.editor(), Qt::Key_Escape);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.cellText(2, 2), "2,2");
    EXPECT_FALSE(grid.isModified());
    EXPECT_EQ(ended.count(), 1);

    key(Qt::Key_Backspace);
    ASSERT_TRUE(grid.isEditing());
    EXPECT_EQ(grid.editor()->text(), "2,");
    QTest::keyClick(grid.editor(), Qt::Key_Return);
    EXPECT_EQ(grid.cellText(2, 2), "2,");
    EXPECT_TRUE(grid.isModified());
    EXPECT_EQ(grid.currentCell(), (CellId{2, 2}));
    EXPECT_EQ(ended.count(), 2);
}

TEST_F(GridTest, arrowsEndAKeyboardEditAndMoveOnButMoveTheCaretOtherwise) {
    grid.setCurrentCell(2, 2);
    QTest::keyClicks(&grid, "9");
    QTest::keyClick(grid.editor(), Qt::Key_Down);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.cellText(2, 2), "9");
    EXPECT_EQ(grid.currentCell(), (CellId{3, 2}));

    key(Qt::Key_Return);
    ASSERT_TRUE(grid.isEditing());
    EXPECT_EQ(grid.editor()->cursorPosition(), 3);
    QTest::keyClick(grid.editor(), Qt::Key_Left);
    ASSERT_TRUE(grid.isEditing());
    EXPECT_EQ(grid.editor()->cursorPosition(), 2);
    QTest::keyClick(grid.editor(), Qt::Key_Tab);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.currentCell(), (CellId{3, 3}));
}

TEST_F(GridTest, deleteClearsTheCurrentCell) {
    grid.setCurrentCell(1, 1);
    key(Qt::Key_Delete);
    EXPECT_EQ(grid.cellText(1, 1), "");
    EXPECT_TRUE(grid.isModified());
    grid.setCellReadOnly(1, 2, true);
    grid.setCurrentCell(1, 2);
    key(Qt::Key_Delete);
    QTest::keyClicks(&grid, "x");
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.cellText(1, 2), "1,2");
}

TEST_F(GridTest, titleTipShowsOnlyClippedText) {
    grid.setCellText(1, 1, QString(60, QLatin1Char('w')));
    const auto tipOver = [&](int row, int col) {
        const QPoint pos = centre(row, col);
        QHelpEvent help(QEvent::ToolTip, pos, grid.viewport()->mapToGlobal(pos));
        QApplication::sendEvent(grid.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipOver(1, 2), "");
    EXPECT_EQ(tipOver(1, 1), grid.cellText(1, 1));
}

TEST(GridFixedCells, headersConvertBothWays) {
    CGridCtrl grid;
    grid.setRowCount(3);
    grid.setColumnCount(3);
    grid.setCellText(0, 0, "corner");
    grid.setCellText(0, 1, "title");
    grid.setCellText(1, 0, "label");
    grid.setFixedRowCount(1);
    grid.setFixedColumnCount(1);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.cellText(0, 0), "corner");
    EXPECT_EQ(grid.cellText(0, 1), "title");
    EXPECT_EQ(grid.cellText(1, 0), "label");
    grid.setColumnWidth(0, 50);
    EXPECT_EQ(grid.columnWidth(0), 50);
    grid.setFixedRowCount(0);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cellText(0, 1), "title");
    EXPECT_EQ(grid.cellText(0, 0), "corner");
}

} // namespace
