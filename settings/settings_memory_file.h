// A settings file kept in memory, with switches that make each operation fail; for tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace orvanta {

class MemorySettingsFile final : public SettingsFile {
  public:
    std::optional<std::string> content;  // nothing: no file
    std::string name = "registry.reg";
    bool failRead = false;
    bool failLock = false;
    bool failMoveAside = false;
    bool failReplace = false;

    bool locked = false;
    bool changedWithoutLock = false;      // set when a move or replace happens unlocked
    std::vector<std::string> movedAside;  // the contents of the files moved aside, in order
    int replaceCount = 0;                 // successful replacements
    mutable int readCount = 0;            // calls of Read

    Contents Read() const override {
        ++readCount;
        if (failRead) {
            return {ReadStatus::kFailed, {}};
        }
        if (!content) {
            return {ReadStatus::kMissing, {}};
        }
        return {ReadStatus::kRead, *content};
    }

    bool LockForUpdate() override {
        if (failLock || locked) {
            return false;
        }
        locked = true;
        return true;
    }

    void Unlock() override { locked = false; }

    std::optional<std::filesystem::path> MoveAside() override {
        changedWithoutLock = changedWithoutLock || !locked;
        if (failMoveAside || !content) {
            return std::nullopt;
        }
        movedAside.push_back(*content);
        content.reset();
        return name + ".damaged-" + std::to_string(movedAside.size());
    }

    std::string Name() const override { return name; }

    bool ReplaceAtomically(std::string_view bytes) override {
        changedWithoutLock = changedWithoutLock || !locked;
        if (failReplace) {
            return false;
        }
        content = std::string(bytes);
        ++replaceCount;
        return true;
    }
};

}  // namespace orvanta
