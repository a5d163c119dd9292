#pragma once

#include "shell/recoverystore.h"
#include "shell/userprompts.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

// UserPrompts for tests: records every prompt shown and answers from queues the test
// fills. An empty queue gives the cancelling answer (No, Cancel, no file, no colour).
class ScriptedPrompts : public UserPrompts {
public:
    enum class Kind {
        Message,
        YesNo,
        SaveChanges,
        OpenFile,
        SaveFile,
        Choice,
        Template,
        Margin,
        Trim,
        Color,
        Weight,
        Setup,
        PrintSetup,
        Recovery
    };

    struct Shown {
        Kind kind;
        QString text; // message or question text; the title of a file chooser
        QString caption;
        PromptIcon icon = PromptIcon::None;
        QString filter;
        QString proposedName;
    };

    QList<Shown> shown;
    std::deque<bool> yesNoAnswers;
    std::deque<SaveAnswer> saveAnswers;
    std::deque<QString> openAnswers;
    std::deque<QString> saveFileAnswers;
    std::deque<std::optional<int>> choiceAnswers;
    QStringList choicesShown; // the choices of the last question with choices
    // Unlike the other queues, an empty one picks the first template, the empty glider, as
    // "Nouveau" made before it asked.
    std::deque<std::optional<int>> templateAnswers;
    QList<TemplateChoice> templatesShown;
    std::deque<std::optional<double>> marginAnswers;
    std::deque<std::optional<TrimRequest>> trimAnswers;
    double proposedShown = 0; // the value the last margin or trim question proposed
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<float>> weightAnswers;
    std::deque<std::optional<QString>> setupAnswers;
    // The language of each confirmed Setup; the shown one when the queue is empty.
    std::deque<QString> setupLanguages;
    QString setupLanguageShown;
    // Runs while a message is up, to see what the user sees behind it.
    std::function<void()> whileMessageShows;
    std::deque<std::optional<QList<bool>>> recoveryAnswers;
    QList<RecoveredGlider> recoveredShown; // the gliders of the last recovery list

    // The messages shown, in order.
    QList<Shown> messages() const {
        QList<Shown> result;
        for (const Shown& prompt : shown)
            if (prompt.kind == Kind::Message)
                result.append(prompt);
        return result;
    }

    void message(QWidget*, const QString& text, const QString& caption, PromptIcon icon) override {
        shown.append({Kind::Message, text, caption, icon, {}, {}});
        if (whileMessageShows)
            whileMessageShows();
    }
    bool askYesNo(QWidget*, const QString& text, const QString& caption) override {
        shown.append({Kind::YesNo, text, caption, PromptIcon::Question, {}, {}});
        return take(yesNoAnswers, false);
    }
    SaveAnswer askSaveChanges(QWidget*, const QString& text, const QString& caption) override {
        shown.append({Kind::SaveChanges, text, caption, PromptIcon::Question, {}, {}});
        return take(saveAnswers, SaveAnswer::Cancel);
    }
    QString openFile(QWidget*, const QString& title, const QString& filter,
                     const QString& initialName) override {
        shown.append({Kind::OpenFile, title, {}, PromptIcon::None, filter, initialName});
        return take(openAnswers, QString());
    }
    QString saveFile(QWidget*, const QString& title, const QString& filter,
                     const QString& proposedName, const QString&, bool) override {
        shown.append({Kind::SaveFile, title, {}, PromptIcon::None, filter, proposedName});
        return take(saveFileAnswers, QString());
    }
    std::optional<int> chooseOne(QWidget*, const QString& text, const QString& caption,
                                 const QStringList& choices) override {
        shown.append({Kind::Choice, text, caption, PromptIcon::Question, {}, {}});
        choicesShown = choices;
        return take(choiceAnswers, std::optional<int>());
    }
    std::optional<int> chooseTemplate(QWidget*, const QList<TemplateChoice>& choices) override {
        shown.append({Kind::Template, {}, {}, PromptIcon::None, {}, {}});
        templatesShown = choices;
        return take(templateAnswers, std::optional<int>(0));
    }
    std::optional<double> askStaticMargin(QWidget*, double proposed) override {
        shown.append({Kind::Margin, {}, {}, PromptIcon::None, {}, {}});
        proposedShown = proposed;
        return take(marginAnswers, std::optional<double>());
    }
    std::optional<TrimRequest> askTrim(QWidget*, double proposedSpeed) override {
        shown.append({Kind::Trim, {}, {}, PromptIcon::None, {}, {}});
        proposedShown = proposedSpeed;
        return take(trimAnswers, std::optional<TrimRequest>());
    }
    std::optional<QColor> chooseColor(QWidget*, std::optional<QColor>) override {
        shown.append({Kind::Color, {}, {}, PromptIcon::None, {}, {}});
        return take(colorAnswers, std::optional<QColor>());
    }
    std::optional<float> estimateWeight(QWidget*, int, float) override {
        shown.append({Kind::Weight, {}, {}, PromptIcon::None, {}, {}});
        return take(weightAnswers, std::optional<float>());
    }
    std::optional<SetupChoice> setup(QWidget*, const SetupChoice& current) override {
        shown.append({Kind::Setup, current.iniPath, {}, PromptIcon::None, {}, {}});
        setupLanguageShown = current.language;
        // Unpacked by hand: moving an optional QString out of the queue trips a false
        // "may be used uninitialized" in some optimisation levels.
        if (setupAnswers.empty())
            return std::nullopt;
        const bool confirmed = setupAnswers.front().has_value();
        const QString path = confirmed ? *setupAnswers.front() : QString();
        setupAnswers.pop_front();
        if (!confirmed)
            return std::nullopt;
        return SetupChoice{path, take(setupLanguages, current.language)};
    }

    void printSetup(QWidget*) override {
        shown.append({Kind::PrintSetup, {}, {}, PromptIcon::None, {}, {}});
    }

    std::optional<QList<bool>> chooseRecovered(QWidget*,
                                               const QList<RecoveredGlider>& gliders) override {
        shown.append({Kind::Recovery, {}, {}, PromptIcon::None, {}, {}});
        recoveredShown = gliders;
        return take(recoveryAnswers, std::optional<QList<bool>>());
    }

private:
    template <typename T> static T take(std::deque<T>& queue, T fallback) {
        if (!queue.empty()) {
            fallback = std::move(queue.front());
            queue.pop_front();
        }
        return fallback;
    }
};
