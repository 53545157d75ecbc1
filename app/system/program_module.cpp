#include "app/system/program_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <map>
#include <memory>

namespace orvanta {

QStringList ModuleCandidates(const QString& name) {
    const QString file = name + QStringLiteral(".so");
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList candidates{
        QDir::cleanPath(programFolder + QStringLiteral("/" ORVANTA_MODULES_FROM_BIN "/") + file)};
    const QString buildTree = QStringLiteral(ORVANTA_BUILD_TREE "/");
    if (programFolder.startsWith(buildTree)) {
        candidates.append(QStringLiteral(ORVANTA_BUILD_MODULES "/") + file);
    }
    return candidates;
}

void* ModuleFunction(const QString& name, const char* symbol, QString& problem) {
    // Loaded modules, by name; never unloaded, since objects they made may outlive any caller.
    static std::map<QString, std::unique_ptr<QLibrary>> loaded;
    std::unique_ptr<QLibrary>& module = loaded[name];
    if (!module) {
        for (const QString& candidate : ModuleCandidates(name)) {
            auto library = std::make_unique<QLibrary>(candidate);
            if (library->load()) {
                module = std::move(library);
                problem.clear();
                break;
            }
            if (QFileInfo::exists(candidate) || problem.isEmpty()) {
                problem = library->errorString();
            }
        }
        if (!module) {
            loaded.erase(name);
            return nullptr;
        }
    }
    void* function = reinterpret_cast<void*>(module->resolve(symbol));
    if (function == nullptr) {
        problem = module->errorString();
    }
    return function;
}

}  // namespace orvanta
