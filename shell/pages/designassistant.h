#pragma once

#include "aero/flightanalysis.h"

#include <QObject>
#include <functional>

class ActiveDocumentSource;
class QPushButton;
class QWidget;

/**
 * "Centrer..." and "Caler..." of the Divers page: each asks what is wanted, changes the
 * active glider in one undoable step when the analysis confirms it, and shows the figures
 * before and after, or why nothing changed.
 */
class DesignAssistant : public QObject {
    Q_OBJECT
public:
    // `options`: the analysis the page shows; `changed`: called after the glider changed.
    DesignAssistant(ActiveDocumentSource& source, QWidget* page,
                    std::function<aero::AnalysisOptions()> options, std::function<void()> changed);

    // The buttons, for the page to place.
    QPushButton* centreButton() const { return centre_; }
    QPushButton* trimButton() const { return trim_; }

    void centre();
    void trim();

private:
    void inform(const QString& text);
    void refuse(const QString& reason);

    ActiveDocumentSource& source_;
    QWidget* page_;
    std::function<aero::AnalysisOptions()> options_;
    std::function<void()> changed_;
    QPushButton* centre_;
    QPushButton* trim_;
};
