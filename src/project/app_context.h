#pragma once

#include <string>

#include "fs/file_system.h"
#include "model/editor_state.h"
#include "project/application.h"
#include "project/program_folders.h"

namespace tg {

// The one object the program keeps for its whole run: the application
// folder and version, the editor's state and the file-system layer. Windows
// and the command-line tool receive it by reference; tests make a fresh one.
struct AppContext {
    explicit AppContext(const std::string& appFolder, FileSystem& fileSystem = realFileSystem())
        : app(appFolder), fs(fileSystem) {}
    explicit AppContext(const ProgramFolders& folders, FileSystem& fileSystem = realFileSystem())
        : app(folders.shipped, folders.user), fs(fileSystem) {}

    cls_Application app;
    EditorState state;
    FileSystem& fs;
};

}  // namespace tg
