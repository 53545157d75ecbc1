// The font of the window for languages whose script the desktop's default font covers only in
// part: one family for the whole script, so that the letters of a word are shaped together.
#pragma once

#include <optional>

#include <QLocale>
#include <QStringList>

namespace orvanta {

// The installed families that cover the whole script of language, most wanted first: the Noto
// Arabic families for a language written in Arabic script (ar, ur, fa), Noto Sans Bengali for
// bn; empty for the rest and when none is installed.
QStringList ScriptFamilies(const QLocale& language);

// Puts ScriptFamilies(language) ahead of the application font's families; nothing (English) or
// a language without such families restores the font they replaced (or leaves the font alone
// when none was replaced). A QApplication must exist.
void UseScriptFont(const std::optional<QLocale>& language);

}  // namespace orvanta
