// The language the window speaks: English (the texts as written in the code) or one of the
// translated languages, chosen from the desktop's languages, with Qt's own texts (standard
// buttons) in the same language where Qt has them.
#pragma once

#include <optional>

#include <QLocale>
#include <QStringList>

namespace orvanta {

// The languages with a translation, as ISO 639 codes: ar ur fa tr id ms bn fr.
QStringList TranslatedLanguages();

// The first of the desktop's languages (most wanted first, as QLocale::uiLanguages gives them:
// LANGUAGE, then LC_ALL / LC_MESSAGES / LANG) that has a translation, as a locale of that
// language and region; nothing (English) when English comes first or none has one.
std::optional<QLocale> ChooseLanguage(const QStringList& uiLanguages);

// Installs the translations of language (removing those installed before) and makes its locale
// the default, so that dates and times use its formats and digits, and the font that covers its
// script (UseScriptFont); nothing restores English
// and the locale in force before the first call. A QApplication must exist. Returns false when
// the program's translation for the language cannot be loaded (English then stays).
bool UseLanguage(const std::optional<QLocale>& language);

// The language in use: nothing while English.
const std::optional<QLocale>& CurrentLanguage();

}  // namespace orvanta
