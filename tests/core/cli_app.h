#pragma once

// tgedit-cli in an application folder of its own: a copy of the built
// program beside the shipped data files, with a copy of the stand-in game,
// so each test can give it its own tgedit.cfg, Backup and Projects.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "run_command.h"
#include "test_support.h"

namespace tg::test {

inline const std::vector<std::string> kCliScripts = {"blocksettings.lua", "businesssettings.lua",
                                                     "commoditysettings.lua", "hub.lua"};

class CliApp {
public:
    CliApp() {
        copyDataFiles(app.path());
        program = app / "tgedit-cli";
        std::filesystem::copy_file(TGEDIT_CLI, program);
        copyDemoGame(game.path());
    }

    // tgedit.cfg as the editor writes it, naming the game folder.
    void writeConfig() const { writeBytes(app / "tgedit.cfg", game.path() + "\r\n 7 \r\n"); }

    // Backup (and an empty Projects) as the editor's first start leaves them.
    void fillBackup() const {
        std::filesystem::create_directories(app / "Projects");
        std::filesystem::create_directories(app / "Backup");
        copyDemoScripts(app / "Backup/");
    }

    std::string gameScript(std::string_view name) const {
        return game / ("SCRIPTS/DEFAULT/" + std::string(name));
    }
    std::string backupScript(std::string_view name) const {
        return app / ("Backup/" + std::string(name));
    }

    CommandResult run(std::vector<std::string> args, Input input = Input::Empty,
                      const std::string& text = "") const {
        args.insert(args.begin(), program);
        return runCommand(args, input, text);
    }

    TempDir app;
    TempDir game;
    std::string program;
};

// The four scripts of a folder (ending in the separator) one after another,
// each under its name; a missing one shows as such.
inline std::string scriptsOf(const std::string& folder) {
    std::string all;
    for (const auto& name : kCliScripts) {
        const std::string path = folder + name;
        all += "== " + name + "\n" +
               (std::filesystem::exists(path) ? readBytes(path) : std::string("(missing)\n"));
    }
    return all;
}

}  // namespace tg::test
