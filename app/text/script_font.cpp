#include "app/text/script_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace orvanta {
namespace {

// Debian's default family lacks some letters of Urdu (ہ U+06C1, ے U+06D2); taken from another
// font they are shaped apart from their neighbours and do not join. The UI cuts have the line
// height of a Latin font; the others are taller.
QStringList WantedFamilies(QLocale::Script script) {
    switch (script) {
        case QLocale::ArabicScript:
            return {QStringLiteral("Noto Sans Arabic UI"), QStringLiteral("Noto Naskh Arabic UI"),
                    QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Naskh Arabic")};
        case QLocale::BanglaScript:
            return {QStringLiteral("Noto Sans Bengali UI"), QStringLiteral("Noto Sans Bengali")};
        default:
            return {};
    }
}

// The application font's families before a script's families were put ahead of them (a list,
// not a font: nothing of the font machinery outlives the application).
std::optional<QStringList>& FamiliesBefore() {
    static std::optional<QStringList> families;
    return families;
}

void UseFamilies(const QStringList& families) {
    QFont font = QApplication::font();
    font.setFamilies(families);
    QApplication::setFont(font);
}

}  // namespace

QStringList ScriptFamilies(const QLocale& language) {
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const QString& family : WantedFamilies(language.script())) {
        if (installed.contains(family)) {
            families.append(family);
        }
    }
    return families;
}

void UseScriptFont(const std::optional<QLocale>& language) {
    std::optional<QStringList>& before = FamiliesBefore();
    const QStringList script = language ? ScriptFamilies(*language) : QStringList();
    if (script.isEmpty()) {
        // English and the other languages leave the font as the desktop set it.
        if (before) {
            UseFamilies(*before);
            before.reset();
        }
        return;
    }
    if (!before) {
        before = QApplication::font().families();
    }
    UseFamilies(script + *before);
}

}  // namespace orvanta
