#pragma once

#include "shell/pages/surfacepage.h"

class QCheckBox;

// The "Stab" page: the horizontal stabiliser, both sides.
class CStabPage : public CSurfacePage {
    Q_OBJECT
public:
    explicit CStabPage(ActiveDocumentSource& source, QWidget* parent = nullptr);

    QCheckBox* vTailBox() const { return vTail_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QCheckBox* vTail_;
};
