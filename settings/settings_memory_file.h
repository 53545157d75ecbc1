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
    bool failRead = false;
    bool failLock = false;
    bool failMoveAside = false;
    bool failReplace = false;

    bool locked = false;
    bool changedWithoutLock = false;      // set when a move or replace happens unlocked
    std::vector<std::string> movedAside;  // the contents of the files moved aside, in order
    int replaceCount = 0;                 // successful replacements

    Contents Read() const override {
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

    bool MoveAside() override {
        changedWithoutLock = changedWithoutLock || !locked;
        if (failMoveAside || !content) {
            return false;
        }
        movedAside.push_back(*content);
        content.reset();
        return true;
    }

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
