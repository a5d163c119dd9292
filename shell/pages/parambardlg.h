#pragma once

#include <QWidget>
#include <array>

class ActiveDocumentSource;
class CParamPage;
class QPushButton;
class QTabWidget;

// The parameter bar: six pages in a tab control and "Appliquer", which applies them all.
class CParamBarDlg : public QWidget {
    Q_OBJECT
public:
    enum Tab { General = 0, Wing = 1, Body = 2, Stab = 3, Fin = 4, Misc = 5, TabCount = 6 };

    explicit CParamBarDlg(ActiveDocumentSource& source, QWidget* parent = nullptr);

    // Load on every page, in tab order.
    void ReloadPages();
    // Apply on every page, in tab order, as one undo step; a page that fails to read is
    // skipped and the following pages still apply.
    void ApplyAll();

    CParamPage* page(int tab) const { return pages_.at(tab); }
    QTabWidget* tabs() const { return tabs_; }
    QPushButton* applyButton() const { return apply_; }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ActiveDocumentSource& source_;
    QTabWidget* tabs_;
    QPushButton* apply_;
    std::array<CParamPage*, TabCount> pages_{};
};
