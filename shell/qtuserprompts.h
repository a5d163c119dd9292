#pragma once

#include "shell/userprompts.h"

#include <memory>

class QPrinter;

// The user dialogs on Qt's message boxes, file and colour choosers and our own dialogs.
class QtUserPrompts : public UserPrompts {
public:
    QtUserPrompts();
    ~QtUserPrompts() override;

    void message(QWidget* owner, const QString& text, const QString& caption,
                 PromptIcon icon) override;
    bool askYesNo(QWidget* owner, const QString& text, const QString& caption) override;
    SaveAnswer askSaveChanges(QWidget* owner, const QString& text, const QString& caption) override;
    QString openFile(QWidget* owner, const QString& title, const QString& filter,
                     const QString& initialName) override;
    QString saveFile(QWidget* owner, const QString& title, const QString& filter,
                     const QString& proposedName, const QString& defaultSuffix,
                     bool confirmOverwrite) override;
    std::optional<int> chooseOne(QWidget* owner, const QString& text, const QString& caption,
                                 const QStringList& choices) override;
    std::optional<int> chooseTemplate(QWidget* owner,
                                      const QList<TemplateChoice>& choices) override;
    std::optional<double> askStaticMargin(QWidget* owner, double proposed) override;
    std::optional<TrimRequest> askTrim(QWidget* owner, double proposedSpeed) override;
    std::optional<QColor> chooseColor(QWidget* owner, std::optional<QColor> initial) override;
    std::optional<float> estimateWeight(QWidget* owner, int kind, float size) override;
    std::optional<SetupChoice> setup(QWidget* owner, const SetupChoice& current) override;
    std::optional<QList<bool>> chooseRecovered(QWidget* owner,
                                               const QList<RecoveredGlider>& gliders) override;
    void printSetup(QWidget* owner) override;

private:
    std::unique_ptr<QPrinter> printer_; // made at the first set-up
};
