#pragma once

// Small application folders and game folders for the project tests, written
// here so the tests do not depend on the shipped files.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fs/file_system.h"
#include "test_support.h"

namespace tg::test {

inline constexpr std::string_view kScriptNames[] = {"blocksettings.lua", "businesssettings.lua",
                                                    "commoditysettings.lua", "hub.lua"};

// What a fixture script holds: a different text per place and file, so a
// copy from the wrong place or under the wrong name shows.
inline std::string scriptBytes(std::string_view place, std::string_view name) {
    return "-- " + std::string(place) + " " + std::string(name) + "\r\nTweaks.x = 1;\r\n";
}

inline constexpr std::string_view kTemplateMarker = "DO NOT DELETE THIS FILE.\r\n 0 \r\n";

// A game folder under root: mc.exe and the four scripts in scriptsFolder
// (relative, "SCRIPTS/DEFAULT" or another letter case). Returns the folder
// with its trailing separator.
inline std::string makeGame(const TempDir& root, std::string_view name = "Tollgrove",
                            std::string_view scriptsFolder = "SCRIPTS/DEFAULT") {
    const std::string game = root / name;
    std::filesystem::create_directories(game + "/" + std::string(scriptsFolder));
    writeBytes(game + "/mc.exe", "MZ");
    for (std::string_view script : kScriptNames) {
        writeBytes(game + "/" + std::string(scriptsFolder) + "/" + std::string(script),
                   scriptBytes("game", script));
    }
    return game + "/";
}

// An application folder under root holding the template tge.prj, and with
// withBackup a Backup folder with the four scripts and an empty Projects.
inline std::string makeAppFolder(const TempDir& root, bool withBackup) {
    const std::string app = root / "app";
    std::filesystem::create_directories(app);
    writeBytes(app + "/tge.prj", kTemplateMarker);
    if (withBackup) {
        std::filesystem::create_directories(app + "/Backup");
        std::filesystem::create_directories(app + "/Projects");
        for (std::string_view script : kScriptNames) {
            writeBytes(app + "/Backup/" + std::string(script), scriptBytes("backup", script));
        }
    }
    return app + "/";
}

// Fails one step of the operations on files whose path holds `part`.
class FaultyFileSystem : public FileSystem {
public:
    FaultyFileSystem(FsStep step, std::string part) : step_(step), part_(std::move(part)) {}

protected:
    std::optional<std::string> faultAt(FsStep step, const std::string& path) override {
        // Writes go through a temporary name that carries the target's name.
        if (step == step_ && path.find(part_) != std::string::npos) {
            return "injected failure";
        }
        return std::nullopt;
    }

private:
    FsStep step_;
    std::string part_;
};

}  // namespace tg::test
