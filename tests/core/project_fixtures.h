#pragma once

// Small application folders and game folders for the project and start-up
// tests, written here so that a copy from the wrong place shows.

#include <filesystem>
#include <string>
#include <string_view>

#include "scripts/script_files.h"
#include "test_support.h"

namespace tg::test {

// A different text per place and file.
inline std::string scriptBytes(std::string_view place, std::string_view name) {
    return "-- " + std::string(place) + " " + std::string(name) + "\r\nTweaks.x = 1;\r\n";
}

inline constexpr std::string_view kTemplateMarker = "DO NOT DELETE THIS FILE.\r\n 0 \r\n";

// A game folder under root: mc.exe and the four scripts in scriptsFolder
// (written in any letter case). Returns the folder with its separator.
inline std::string makeGame(const TempDir& root, std::string_view name = "Tollgrove",
                            std::string_view scriptsFolder = "SCRIPTS/DEFAULT") {
    const std::string game = root / name + "/";
    std::filesystem::create_directories(game + std::string(scriptsFolder));
    writeBytes(game + "mc.exe", "MZ");
    for (std::string_view script : kScriptFiles) {
        writeBytes(game + std::string(scriptsFolder) + "/" + std::string(script),
                   scriptBytes("game", script));
    }
    return game;
}

// An application folder under root holding the template tge.prj, and with
// withBackup an empty Projects and a Backup holding the four scripts.
inline std::string makeAppFolder(const TempDir& root, bool withBackup) {
    const std::string app = root / "app/";
    std::filesystem::create_directories(app + (withBackup ? "Backup" : ""));
    writeBytes(app + "tge.prj", kTemplateMarker);
    if (withBackup) {
        std::filesystem::create_directories(app + "Projects");
        for (std::string_view script : kScriptFiles) {
            writeBytes(app + "Backup/" + std::string(script), scriptBytes("backup", script));
        }
    }
    return app;
}

}  // namespace tg::test
