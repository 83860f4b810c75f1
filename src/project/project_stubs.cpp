// Placeholders until the project operations land.
#include "project/app_context.h"
#include "project/commands.h"
#include "project/projects.h"
#include "project/small_files.h"
#include "project/startup.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"

namespace tg {

std::vector<std::string> readValues(std::string_view) { return {}; }
std::string paddedNumber(long long) { return {}; }
std::int64_t countValue(const std::vector<std::string>&, std::size_t) { return 0; }

bool configExists(AppContext&) { return false; }
Notices checkExistingConfig(AppContext&) { return {}; }
Notices completeFirstStart(AppContext&) { return {}; }
Notices Fill_Backup(AppContext&) { return {}; }

ProjectOutcome createProject(AppContext&, const std::string&, const std::string&) { return {}; }
ProjectOutcome openProject(AppContext&, const std::string&) { return {}; }

Notices saveProject(AppContext& ctx) { return Save_Project(ctx.fs, ctx.state, ctx.app.Version); }
Notices reloadProject(AppContext& ctx) { return loadProjectModel(ctx.fs, ctx.app.Path, ctx.state); }
std::string saveMessage(const AppContext&) { return {}; }
Notices importProject(AppContext&) { return {}; }
Notices backupGame(AppContext&) { return {}; }

}  // namespace tg
