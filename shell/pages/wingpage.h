#pragma once

#include "shell/pages/surfacepage.h"

// The "Aile" page: the wing, both sides.
class CWingPage : public CSurfacePage {
    Q_OBJECT
public:
    explicit CWingPage(ActiveDocumentSource& source, QWidget* parent = nullptr);
};
