#include "cli/command_line.h"

#include <array>

namespace tg::cli {

namespace {

constexpr std::string_view kToolHelp =
    "usage: tgedit-cli COMMAND ARGUMENTS...\n"
    "       tgedit-cli help [COMMAND]\n"
    "\n"
    "TG Edit's settings work without its windows, on the same files and with the\n"
    "same reading, writing and copying: the four settings scripts of a project\n"
    "(blocksettings.lua, businesssettings.lua, commoditysettings.lua, hub.lua).\n"
    "\n"
    "Commands:\n"
    "  show [--json] PROJECT_DIR     print every setting\n"
    "  set PROJECT_DIR KIND CODE FIELD=VALUE...\n"
    "                                change one record's settings and save them\n"
    "  diff PROJECT_DIR [OTHER_DIR]  what the project changed against Backup\n"
    "  check DIR                     every script line the editor cannot read\n"
    "  new NAME [--in FOLDER]        create a project from Backup\n"
    "  import PROJECT_DIR [--yes]    copy the project's scripts into the game\n"
    "  backup [--yes]                copy the game's scripts into Backup\n"
    "\n"
    "'tgedit-cli help COMMAND' or 'tgedit-cli COMMAND --help' tells more.\n"
    "\n"
    "Files lie where the editor keeps them. Run from its own folder (the build\n"
    "tree, an unpacked folder), that folder is the application folder: the code\n"
    "tables, tge.prj, tgedit.cfg (the Tollgrove folder), Backup and Projects lie\n"
    "there. Installed (the code tables in ../share/tgedit beside the program's\n"
    "folder, or a program folder that may not be written), the code tables and\n"
    "tge.prj are read from the installation, and the application folder is the\n"
    "user's own $XDG_DATA_HOME/tgedit (~/.local/share/tgedit when the variable is\n"
    "unset or not an absolute path), made when missing. tgedit-cli reads\n"
    "tgedit.cfg but never writes it.\n"
    "\n"
    "Exit status: 0 done; 1 a file could not be read, written or copied, or (diff,\n"
    "check) something was found; 2 wrong use, a refusal or no confirmation, and\n"
    "nothing was changed. Messages go to standard error and name the file and\n"
    "the reason.\n";

constexpr std::string_view kShowHelp =
    "usage: tgedit-cli show [--json] PROJECT_DIR\n"
    "\n"
    "Prints every setting of the project's four scripts as the editor reads them,\n"
    "one per line as KIND CODE FIELD VALUE: kinds block, business, commodity and\n"
    "tweaks; records in slot order; fields in each record's order. Whole numbers\n"
    "in plain decimal, other numbers in the shortest form (up to 15 significant\n"
    "digits), flags as true or false, an empty text as \"\", and a business's six\n"
    "commodity entries as commodity1 to commodity6 with the value COMMODITY:AMOUNT\n"
    "(a free entry as :0).\n"
    "\n"
    "--json  the same settings as one JSON document, in the same order:\n"
    "          {\"block\": {\"AIRPORT\": {\"buildingrights\": false, ...}, ...},\n"
    "           \"business\": {\"BAKERY\": {\"closingtime\": 17, \"commodities\":\n"
    "             [{\"commodity\": \"BREAD\", \"amount\": 80}, ...], ...}, ...},\n"
    "           \"commodity\": {...}, \"tweaks\": {\"Tweaks\": {...}}}\n"
    "        Numbers in the forms above, flags as true and false; all six\n"
    "        commodity entries, a free one as {\"commodity\": \"\", \"amount\": 0}.\n"
    "        A record whose code is empty or repeated (a damaged code table) is\n"
    "        keyed #SLOT. Bytes that are not UTF-8 are written as \\u0080 to \\u00ff.\n"
    "\n"
    "Exit status: 0 read in full; 1 a script or code table could not be read\n"
    "(messages on standard error; the listing is still printed: a script's\n"
    "settings after the line that stopped it read as 0, false or empty);\n"
    "2 wrong use.\n";

constexpr std::string_view kSetHelp =
    "usage: tgedit-cli set PROJECT_DIR KIND CODE FIELD=VALUE...\n"
    "\n"
    "Stores the values in one record, as the editor's Set buttons do, and saves\n"
    "the project: only that record's lines of its script are rewritten.\n"
    "\n"
    "KIND is block, business, commodity or tweaks; CODE is the record's identifier\n"
    "(AIRPORT, BAKERY, MEAT) or Tweaks; FIELD is a field name as `show` prints it.\n"
    "Numbers are read as the editor reads them (a point as the decimal separator;\n"
    "whole-number fields round half to even); flags are true or false; membership\n"
    "is MAINSHOPPING, ENTERTAINMENTSHOPPING or STAYOVERSHOPPING. A business's\n"
    "commodity entries are commodity1 to commodity6, set as COMMODITY:AMOUNT\n"
    "(AMOUNT 1 to 100), or as nothing to free the entry:\n"
    "\n"
    "  tgedit-cli set MyCity block AIRPORT value=150 prestige=1.5\n"
    "  tgedit-cli set MyCity business BAKERY commodity2=DRINKS:20 commodity3=\n"
    "\n"
    "The code tables are the program's own. The rail and utility tweaks are\n"
    "refused when the game folder named in tgedit.cfg holds a game version that\n"
    "does not take them. A project that cannot be read in full is not changed.\n"
    "\n"
    "Exit status: 0 done; 1 a script could not be read or saved (messages on\n"
    "standard error); 2 a wrong command or value, and nothing was written.\n";

constexpr std::string_view kDiffHelp =
    "usage: tgedit-cli diff PROJECT_DIR [OTHER_DIR]\n"
    "\n"
    "Prints what the project changed against the untouched game scripts in the\n"
    "application folder's Backup, or against OTHER_DIR (another project, or any\n"
    "folder that holds the four scripts), one setting per line:\n"
    "\n"
    "  KIND CODE FIELD OLD -> NEW\n"
    "\n"
    "OLD is the value in Backup (or OTHER_DIR), NEW the value in the project, both\n"
    "in the forms of `show` and in its order. Only settings the editor knows are\n"
    "compared; comments, layout and other lines are not.\n"
    "\n"
    "Exit status: 0 no differences; 1 differences were printed; 2 wrong use, or\n"
    "either side could not be read in full (the reader's messages on standard\n"
    "error; nothing is printed on standard output then).\n";

constexpr std::string_view kCheckHelp =
    "usage: tgedit-cli check DIR\n"
    "\n"
    "Reads the four scripts in DIR as the editor reads them and prints every line\n"
    "at which the editor's reading would stop, as\n"
    "\n"
    "  FILE:LINE: reason\n"
    "\n"
    "The editor stops reading a script at the first such line; check goes on to\n"
    "the end, so one run lists them all. A script that cannot be read at all is\n"
    "printed as FILE: reason. Lines are matched to records with the program's\n"
    "code tables, as the editor matches them; lines the editor passes over\n"
    "(comments, unknown records or keys) are no problem.\n"
    "\n"
    "Exit status: 0 no problems; 1 problems were printed; 2 wrong use, or a code\n"
    "table could not be read (named on standard error).\n";

constexpr std::string_view kNewHelp =
    "usage: tgedit-cli new NAME [--in FOLDER]\n"
    "\n"
    "Creates the project NAME as the editor's New Project does: the folder NAME in\n"
    "FOLDER (the application folder's Projects unless --in gives another), with\n"
    "copies of the four scripts from Backup and of the template tge.prj as\n"
    "tgedit.prj. Prints the new project's folder.\n"
    "\n"
    "The name follows the editor's rules. It is refused, and nothing is created,\n"
    "when it is empty, holds any of \\ / : * ? \" < > | (the editor's name box\n"
    "removes them; here the name is refused and the characters are named), holds\n"
    "a control character, begins with a dot, or is taken by a file or folder in\n"
    "FOLDER (letter case ignored).\n"
    "\n"
    "Backup is filled when TG Edit first starts and you choose the Tollgrove\n"
    "folder. Without a complete Backup, new refuses: start TG Edit once (it fills\n"
    "what is missing), or, when tgedit.cfg already names the Tollgrove folder,\n"
    "run 'tgedit-cli backup --yes'.\n"
    "\n"
    "Exit status: 0 created; 1 the folder or a copy failed (named on standard\n"
    "error); 2 wrong use, a refused name or no complete Backup.\n";

constexpr std::string_view kImportHelp =
    "usage: tgedit-cli import PROJECT_DIR [--yes]\n"
    "\n"
    "Copies the project's four scripts over the game's own, in SCRIPTS/DEFAULT of\n"
    "the Tollgrove folder named in tgedit.cfg, as the editor's Save & Import does.\n"
    "The scripts are copied as they are on disk: tgedit-cli keeps no unsaved\n"
    "changes. Each file is replaced whole; the four are copied one after the\n"
    "other, so a failure part-way leaves the ones before it copied.\n"
    "\n"
    "First it asks the editor's question on the terminal:\n"
    "\n"
    "  Warning: This will overwrite files in the Tollgrove folder.\n"
    "  Are you sure you want to do this? [y/N]\n"
    "\n"
    "y or yes copies; n, no, an empty answer or the end of the input copies\n"
    "nothing. --yes (-y) answers yes without asking. Without --yes, standard input\n"
    "must be a terminal; otherwise import copies nothing.\n"
    "\n"
    "Nothing is copied either when tgedit.cfg is missing or names no Tollgrove\n"
    "folder, when a project script cannot be read, or when the game has no\n"
    "SCRIPTS/DEFAULT folder. When done it prints \"TG Edit files imported\n"
    "succesfully.\"\n"
    "\n"
    "Exit status: 0 imported; 1 a copy failed (the file and the reason on standard\n"
    "error); 2 wrong use, refused or not confirmed, and nothing was copied.\n";

constexpr std::string_view kBackupHelp =
    "usage: tgedit-cli backup [--yes]\n"
    "\n"
    "Copies the game's four scripts from SCRIPTS/DEFAULT of the Tollgrove folder\n"
    "named in tgedit.cfg into the application folder's Backup, replacing the\n"
    "copies there, as the editor's Backup command does. New projects and diff\n"
    "start from these copies. A missing Backup folder is made.\n"
    "\n"
    "First it asks the editor's question on the terminal:\n"
    "\n"
    "  Warning: This will overwrite existing backup files.\n"
    "  Are you sure you want to do this? [y/N]\n"
    "\n"
    "y or yes copies; n, no, an empty answer or the end of the input copies\n"
    "nothing. --yes (-y) answers yes without asking. Without --yes, standard input\n"
    "must be a terminal; otherwise backup copies nothing.\n"
    "\n"
    "Nothing is copied either when tgedit.cfg is missing or names no Tollgrove\n"
    "folder, or when one of the game's scripts cannot be read. When done it\n"
    "prints \"Tollgrove files backed up succesfully.\"\n"
    "\n"
    "Exit status: 0 backed up; 1 a copy failed (the file and the reason on\n"
    "standard error); 2 wrong use, refused or not confirmed, and nothing was\n"
    "copied.\n";

struct CommandInfo {
    std::string_view name;
    std::string_view help;
    std::size_t minOperands;
    std::size_t maxOperands;
};

constexpr std::size_t kMany = static_cast<std::size_t>(-1);

constexpr std::array<CommandInfo, 7> kCommands = {{
    {"show", kShowHelp, 1, 1},
    {"set", kSetHelp, 4, kMany},
    {"diff", kDiffHelp, 1, 2},
    {"check", kCheckHelp, 1, 1},
    {"new", kNewHelp, 1, 1},
    {"import", kImportHelp, 1, 1},
    {"backup", kBackupHelp, 0, 0},
}};

const CommandInfo* findCommand(std::string_view name) {
    for (const auto& info : kCommands) {
        if (info.name == name) {
            return &info;
        }
    }
    return nullptr;
}

bool isHelpOption(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

}  // namespace

bool isCommand(std::string_view name) {
    return findCommand(name) != nullptr;
}

std::string_view toolHelp() {
    return kToolHelp;
}

std::optional<std::string_view> commandHelp(std::string_view command) {
    if (const auto* info = findCommand(command)) {
        return info->help;
    }
    return std::nullopt;
}

std::string_view usageOf(std::string_view help) {
    const auto end = help.find("\n\n");
    return end == std::string_view::npos ? help : help.substr(0, end + 1);
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    if (args.empty()) {
        line.error = "no command given";
        return line;
    }
    if (args[0] == "help" || isHelpOption(args[0])) {
        line.help = true;
        if (args.size() > 2) {
            line.error = "help takes at most one command";
        } else if (args.size() == 2) {
            line.command = args[1];
            if (!isCommand(line.command)) {
                line.error = "no command '" + line.command + "'";
            }
        }
        return line;
    }
    line.command = args[0];
    const CommandInfo* info = findCommand(line.command);
    if (info == nullptr) {
        line.error = "no command '" + line.command + "'";
        return line;
    }

    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            line.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (isHelpOption(arg)) {
            line.help = true;
        } else if (arg == "--json" && line.command == "show") {
            line.json = true;
        } else if ((arg == "--yes" || arg == "-y") &&
                   (line.command == "import" || line.command == "backup")) {
            line.yes = true;
        } else if (line.command == "new" && (arg == "--in" || arg.rfind("--in=", 0) == 0)) {
            if (line.inFolder) {
                line.error = "--in given twice";
                return line;
            }
            if (arg == "--in") {
                if (i + 1 >= args.size()) {
                    line.error = "--in needs a FOLDER";
                    return line;
                }
                line.inFolder = args[++i];
            } else {
                line.inFolder = arg.substr(5);
            }
            if (line.inFolder->empty()) {
                line.error = "the FOLDER of --in is empty";
                return line;
            }
        } else {
            line.error = "no option '" + arg + "' for " + line.command;
            return line;
        }
    }
    if (line.help) {
        return line;
    }
    const std::size_t count = line.operands.size();
    if (count < info->minOperands || count > info->maxOperands) {
        line.error = "wrong number of arguments for " + line.command;
        return line;
    }
    for (const std::string& operand : line.operands) {
        // An empty project name gets the editor's own refusal.
        if (operand.empty() && line.command != "new") {
            line.error = "an empty argument for " + line.command;
            return line;
        }
    }
    return line;
}

}  // namespace tg::cli
