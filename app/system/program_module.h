// The program's own shared modules (orvanta-sound, orvanta-print), installed beside it in
// <prefix>/lib/orvanta/plugins and loaded on first use: the libraries they alone link (Qt
// Multimedia with the sound server's client, Qt Print Support) then cost nothing at the start.
#pragma once

#include <QString>
#include <QStringList>

namespace orvanta {

// The files where module `name` (without ".so") is looked for, in order: the installed place
// as seen from the program's folder, then, for a program run from its build folder, the build
// folder's module folder.
QStringList ModuleCandidates(const QString& name);

// The function `symbol` of module `name`, the module loaded on the first call and kept loaded
// until the process ends. Nothing when no candidate loads or it lacks the symbol; problem then
// says why (Qt's words).
void* ModuleFunction(const QString& name, const char* symbol, QString& problem);

}  // namespace orvanta
