#include "shell/interfacelanguage.h"

#include "formats/settingsstore.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

const QString kSection = QStringLiteral("General");
const QString kKey = QStringLiteral("Language");

} // namespace

QString storedLanguage(const SettingsStore& settings) {
    const QString stored = settings.value(kSection, kKey).trimmed().toLower();
    return stored == language::kEnglish ? language::kEnglish : language::kFrench;
}

void storeLanguage(SettingsStore& settings, const QString& language) {
    settings.setValue(kSection, kKey, language);
}

InterfaceLanguage::InterfaceLanguage(const QString& language) {
    if (language == language::kEnglish) {
        // Qt's own dialogs speak English without a translation.
        auto editor = std::make_unique<QTranslator>();
        if (editor->load(QStringLiteral(":/i18n/kesh_en.qm")))
            editorTexts_ = install(std::move(editor));
        return;
    }
    // The editor's texts are French; Qt's dialogs follow when their translation is installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(std::move(qt));
}

InterfaceLanguage::~InterfaceLanguage() {
    for (const auto& translator : translators_)
        QCoreApplication::removeTranslator(translator.get());
}

QTranslator* InterfaceLanguage::install(std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    translators_.push_back(std::move(translator));
    return translators_.back().get();
}
