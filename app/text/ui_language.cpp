#include "app/text/ui_language.h"

#include <array>
#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/text/script_font.h"

namespace orvanta {
namespace {

// Qt mirrors the whole program for a language whose translation of this text is "RTL"; the
// program's own files carry it, as Qt has no translation of its own for some of the languages.
[[maybe_unused]] const char* const kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// Qt's own texts the window shows, for the languages Qt has no translation of its own for
// (the program's translation is searched first, so it is used for every language).
[[maybe_unused]] constexpr std::array<const char*, 4> kQtTexts = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QMessageBox", "Show Details..."),
    QT_TRANSLATE_NOOP("QMessageBox", "Hide Details..."),
};

// Where qt_add_translations puts the compiled translations among the resources.
constexpr const char* kTranslationsFolder = ":/i18n";

struct LanguageState {
    std::optional<QLocale> language;
    std::optional<QLocale> localeBefore;  // the default locale before the first change
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

}  // namespace

QStringList TranslatedLanguages() {
    return {QStringLiteral("ar"), QStringLiteral("ur"), QStringLiteral("fa"), QStringLiteral("tr"),
            QStringLiteral("id"), QStringLiteral("ms"), QStringLiteral("bn"), QStringLiteral("fr")};
}

std::optional<QLocale> ChooseLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English) {
            return std::nullopt;
        }
        const QString code = QLocale::languageToCode(locale.language());
        if (TranslatedLanguages().contains(code)) {
            return locale;
        }
    }
    return std::nullopt;
}

bool UseLanguage(const std::optional<QLocale>& language) {
    LanguageState& state = State();
    if (!state.localeBefore) {
        state.localeBefore = QLocale();
    }
    Remove(state.qt);
    Remove(state.program);
    state.language.reset();
    QLocale::setDefault(*state.localeBefore);
    UseScriptFont(std::nullopt);
    if (!language) {
        return true;
    }
    const QString code = QLocale::languageToCode(language->language());
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral("orvanta_") + code,
                       QString::fromLatin1(kTranslationsFolder))) {
        return false;
    }
    // Qt's own texts first, so that the program's own translations win where both have one.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
    QCoreApplication::installTranslator(program.get());
    state.program = std::move(program);
    state.language = language;
    QLocale::setDefault(*language);
    UseScriptFont(language);
    return true;
}

const std::optional<QLocale>& CurrentLanguage() {
    return State().language;
}

}  // namespace orvanta
