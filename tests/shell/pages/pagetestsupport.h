#pragma once

#include "shell/activedocumentsource.h"
#include "shell/keshdoc.h"
#include "shell/widgets/gridctrl.h"
#include "tests/support/scriptedprompts.h"

#include <QTest>

// Scripted prompts that also keep what the estimator was asked.
class PagePrompts : public ScriptedPrompts {
public:
    int estimateKind = 0;
    float estimateSize = 0;

    std::optional<float> estimateWeight(QWidget* owner, int kind, float size) override {
        estimateKind = kind;
        estimateSize = size;
        return ScriptedPrompts::estimateWeight(owner, kind, size);
    }
};

// One document, no view, and the scripted prompts.
class PageSource : public ActiveDocumentSource {
public:
    CKeshDoc* document = nullptr;
    PagePrompts scripted;

    CKeshDoc* activeDocument() override { return document; }
    CMyglView* activeView() override { return nullptr; }
    UserPrompts& prompts() override { return scripted; }
};

inline QPoint cellCentre(CGridCtrl& grid, int row, int col) {
    return grid
        .visualRect(grid.model()->index(row - grid.fixedRowCount(), col - grid.fixedColumnCount()))
        .center();
}

inline void clickCell(CGridCtrl& grid, int row, int col) {
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, row, col));
}

inline QStringList columnTexts(CGridCtrl& grid, int col) {
    QStringList texts;
    for (int row = 0; row < grid.rowCount(); ++row)
        texts << grid.cellText(row, col);
    return texts;
}
