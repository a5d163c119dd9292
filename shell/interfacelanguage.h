#pragma once

#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

class SettingsStore;

// The language of the interface: French, the program's own, or English. It is chosen in
// Setup, kept in the settings store and taken at the next start, before any window exists.
namespace language {
inline const QString kFrench = QStringLiteral("fr");
inline const QString kEnglish = QStringLiteral("en");
} // namespace language

// The stored choice; French when none or an unknown one is stored.
QString storedLanguage(const SettingsStore& settings);
void storeLanguage(SettingsStore& settings, const QString& language);

// Installs the translators of a language into the application for its own lifetime.
class InterfaceLanguage {
public:
    explicit InterfaceLanguage(const QString& language);
    ~InterfaceLanguage();
    InterfaceLanguage(const InterfaceLanguage&) = delete;
    InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

    // Whether the editor's own texts are translated (false for French, which needs none).
    bool translated() const { return editorTexts_ != nullptr; }

private:
    QTranslator* install(std::unique_ptr<QTranslator> translator);

    std::vector<std::unique_ptr<QTranslator>> translators_;
    QTranslator* editorTexts_ = nullptr;
};
