#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/app_context.h"

namespace tg::cli {

// The commands of tgedit-cli. Each prints its output and messages and returns
// its exit status (terminal.h). Arguments are folders as the user typed them.

// Reading: show, set, diff, check.
int runShow(AppContext& ctx, const std::string& projectDir, bool json);
int runSet(AppContext& ctx, const std::string& projectDir, const std::string& kind,
           const std::string& code, const std::vector<std::string>& assignments);
int runDiff(AppContext& ctx, const std::string& projectDir,
            const std::optional<std::string>& otherDir);
int runCheck(AppContext& ctx, const std::string& dir);

// Copying: new, import, backup.
int runNew(AppContext& ctx, const std::string& name, const std::optional<std::string>& inFolder);
int runImport(AppContext& ctx, const std::string& projectDir, bool yes);
int runBackup(AppContext& ctx, bool yes);

}  // namespace tg::cli
