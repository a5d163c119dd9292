#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
struct RecoveredGlider;

enum class PromptIcon { None, Error, Warning, Question, Exclamation, Information };

// What the Setup dialog sets: the simulator's vantair.ini and the interface language.
struct SetupChoice {
    QString iniPath;
    QString language;
};

// One glider "Nouveau" can start from, as the chooser shows it.
struct TemplateChoice {
    QString name;
    QString description;
    QImage picture; // seen from above
};

// What "Caler..." asks: a trim speed in m/s, or the best-glide speed.
struct TrimRequest {
    bool bestGlide = false;
    double speed = 0;
};

// Answers to the question asked before a modified document is closed.
enum class SaveAnswer { Yes, No, Cancel };

// Every modal exchange with the user goes through this interface: the application
// installs one built on Qt's dialogs, tests install a scripted one that records what was
// shown and answers as told, so no test ever blocks on a modal window.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    virtual void message(QWidget* owner, const QString& text, const QString& caption,
                         PromptIcon icon) = 0;
    // Yes/No question with the question icon; true for Yes.
    virtual bool askYesNo(QWidget* owner, const QString& text, const QString& caption) = 0;
    // Yes/No/Cancel question asked before closing a modified document.
    virtual SaveAnswer askSaveChanges(QWidget* owner, const QString& text,
                                      const QString& caption) = 0;
    // File choosers; an empty result means the user cancelled. Filters use Qt's
    // "Text (*.ext);;Other (*)" form.
    virtual QString openFile(QWidget* owner, const QString& title, const QString& filter,
                             const QString& initialName) = 0;
    virtual QString saveFile(QWidget* owner, const QString& title, const QString& filter,
                             const QString& proposedName, const QString& defaultSuffix,
                             bool confirmOverwrite) = 0;
    // A question answered by one of `choices`, each a button: the index chosen, or nullopt
    // when cancelled.
    virtual std::optional<int> chooseOne(QWidget* owner, const QString& text,
                                         const QString& caption, const QStringList& choices) = 0;
    // The template a new glider starts from: its index, or nullopt when cancelled.
    virtual std::optional<int> chooseTemplate(QWidget* owner,
                                              const QList<TemplateChoice>& choices) = 0;
    // "Centrer...": the static margin wanted, in percent of the mean chord, proposed first;
    // nullopt when cancelled.
    virtual std::optional<double> askStaticMargin(QWidget* owner, double proposed) = 0;
    // "Caler...": the trim wanted, the speed proposed first; nullopt when cancelled.
    virtual std::optional<TrimRequest> askTrim(QWidget* owner, double proposedSpeed) = 0;
    // Colour chooser, preset with `initial` when given; nullopt when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* owner, std::optional<QColor> initial) = 0;
    // The weight estimator for a component kind and size; the estimate in hundredths of
    // a kilogram, or nullopt when cancelled.
    virtual std::optional<float> estimateWeight(QWidget* owner, int kind, float size) = 0;
    // The Setup dialog preset with the stored choice; the new one, or nullopt on Cancel.
    virtual std::optional<SetupChoice> setup(QWidget* owner, const SetupChoice& current) = 0;
    // The platform's printer set-up dialog; the choices last for the session.
    virtual void printSetup(QWidget* owner) = 0;
    // Lists the gliders recovered after a crash: for each, true to reopen it and false to
    // discard it; nullopt keeps them all for the next start.
    virtual std::optional<QList<bool>> chooseRecovered(QWidget* owner,
                                                       const QList<RecoveredGlider>& gliders) = 0;
};
