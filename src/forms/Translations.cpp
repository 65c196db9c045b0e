// The player's language, found once at start-up and again by the tests for each language.
#include "forms/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace fitzel {
namespace {

struct Translators {
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> toolkit;
};

Translators& installed() {
    static Translators translators;
    return translators;
}

// The translator of the first of the locale's languages that has a file by that name, or none:
// English is the texts' own language and needs none.
std::unique_ptr<QTranslator> translatorFor(const QLocale& locale, const QString& name,
                                           const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator;
}

}  // namespace

void speakLanguageOf(const QLocale& locale) {
    Translators& now = installed();
    now = {};  // a translator removes itself from the application as it goes
    now.game = translatorFor(locale, QStringLiteral("fitzel"), QStringLiteral(":/i18n"));
    // The toolkit's texts only with the game's: an English game keeps English buttons.
    if (now.game) {
        now.toolkit = translatorFor(locale, QStringLiteral("qtbase"),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

QString gameText(const char* english) {
    return QCoreApplication::translate("fitzel", english);
}

}  // namespace fitzel
