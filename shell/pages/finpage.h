#pragma once

#include "shell/pages/surfacepage.h"

// The "Derive" page: the fin; its panes always stand upright.
class CFinPage : public CSurfacePage {
    Q_OBJECT
public:
    explicit CFinPage(ActiveDocumentSource& source, QWidget* parent = nullptr);
};
