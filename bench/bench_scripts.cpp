// Loading and saving a project, each against the raw file work on the same
// bytes, at three sizes:
//
//   real   the stand-in game's four scripts as shipped;
//   x10    each script repeated ten times over (every line kept, so the
//          reader takes them as it takes the originals);
//   limit  each script repeated to 32,767 lines, the most a script may hold.
//
// load      loadProjectModel: the six code tables and the four scripts.
// load_raw  FileSystem::readFile and splitLines on the same ten files.
// save      Save_Project with every record changed, the tweaks flag raised
//           and a compatible game: all 1,264 lines generated and written.
// save_raw  FileSystem::readFile and FileSystem::writeFileAtomic of the same
//           four scripts, byte for byte what the save writes.
// lua       the peer: the game's own interpreter (Lua 5.4) compiling and
//           running the load's four scripts from memory, in a fresh state
//           with the stub tables the game would provide (tests/lua/stubs.lua).
//
// The save inputs are the scripts as a save of that model leaves them (the
// set-up saves until the bytes no longer change), so every timed save finds
// all its lines in place and writes the same bytes again. At x10 and at the
// limit the settings stand at the end of each script, after lines that look
// like them but are not (see settingsLast), so no line of a save goes
// unsearched. After the run a summary gives each ratio to its baseline and
// the time per line. Unless told otherwise, every benchmark runs five times,
// in shuffled order, and the summary takes the medians.

#include <benchmark/benchmark.h>

#include <lua.hpp>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_fixtures.h"
#include "fs/file_system.h"
#include "model/editor_state.h"
#include "scripts/numbers.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"
#include "scripts/text_lines.h"

namespace tg::bench {
namespace {

constexpr std::size_t kScriptLineLimit = 32767;
constexpr std::size_t kGeneratedLines = 1264;
const std::string kVersion = "1.0.0.1";

constexpr std::array<std::string_view, 6> kCodeTables = {
    "blk_code.txt", "blk_usa.txt", "biz_code.txt", "biz_usa.txt", "com_code.txt", "com_usa.txt"};

struct Input {
    std::string name;
    std::string loadProject;
    std::string saveProject;
    std::size_t loadLines = 0;  // script lines only; the code tables are tiny
    std::size_t loadBytes = 0;  // scripts and code tables
    std::size_t saveLines = 0;
    std::size_t saveBytes = 0;
};

std::string scriptPath(const std::string& project, std::size_t fileNumber) {
    return project + std::string(kScriptFiles[fileNumber]);
}

void requireNoNotices(const Notices& notices, const std::string& what) {
    if (!notices.empty()) {
        throw std::runtime_error(what + ": " + notices.front().text);
    }
}

// A save input of count lines whose settings all stand at its end: the
// settled script comes last, after its own lines repeated with each line's
// first "=" or "(" given an "X" in front. Those lines look like settings to
// the last letter of their heads but hold none, so the save has lines pending
// until the end and searches every line of the script in full.
std::string settingsLast(std::string_view settled, std::size_t count) {
    std::string near;
    for (std::string_view line : splitLines(settled)) {
        const std::size_t at = line.find_first_of("=(");
        if (at == std::string_view::npos) {
            near += line;
        } else {
            near += line.substr(0, at);
            near += 'X';
            near += line.substr(at);
        }
        near += "\r\n";
    }
    return repeatToLines(near, count - lineCount(settled)) + std::string(settled);
}

// Runs the stub tables and then each script in a fresh Lua state, all from
// memory. Returns the interpreter's message for the first script that fails,
// or an empty text.
std::string runScripts(const std::string& stubs, const std::vector<std::string>& scripts) {
    lua_State* lua = luaL_newstate();
    if (lua == nullptr) {
        return "no memory for a Lua state";
    }
    luaL_openlibs(lua);
    std::string failure;
    auto run = [&](const std::string& chunk, const char* name) {
        if (failure.empty() &&
            (luaL_loadbufferx(lua, chunk.data(), chunk.size(), name, "t") != LUA_OK ||
             lua_pcall(lua, 0, 0, 0) != LUA_OK)) {
            failure = name + std::string(": ") + lua_tostring(lua, -1);
        }
    };
    run(stubs, "stubs.lua");
    for (std::size_t f = 0; f < scripts.size(); ++f) {
        run(scripts[f], kScriptFiles[f].data());
    }
    lua_close(lua);
    return failure;
}

std::vector<std::string> scriptsOf(const std::string& project) {
    std::vector<std::string> out;
    for (std::size_t f = 0; f < kScriptFiles.size(); ++f) {
        out.push_back(readWhole(scriptPath(project, f)));
    }
    return out;
}

// Everything the benchmarks work on, made once before the run.
class Workspace {
public:
    Workspace() {
        app_ = root_.subfolder("app");
        copyDataFiles(app_);
        for (std::string_view table : kCodeTables) {
            codeTables_.push_back(app_ + std::string(table));
        }

        const std::string demo = root_.subfolder("demo");
        copyDemoScripts(demo);
        buildSaveState(demo);
        const std::string saved = root_.subfolder("saved");
        copyDemoScripts(saved);
        saveUntilSettled(saved);

        addInput("real", demo, saved, 1);
        addInput("x10", demo, saved, 10);
        addInput("limit", demo, saved, 0);
    }

    const std::vector<Input>& inputs() const { return inputs_; }
    const std::string& luaStubs() const { return luaStubs_; }
    const std::string& app() const { return app_; }
    const std::vector<std::string>& codeTables() const { return codeTables_; }
    EditorState& saveState() { return saveState_; }
    FileSystem& fs() { return realFileSystem(); }

private:
    // The demo project loaded, every business given all six commodity
    // entries, every record marked changed and every flag raised: the save
    // then generates every one of the 1,264 lines.
    void buildSaveState(const std::string& demo) {
        EditorState& state = saveState_;
        state.ProjectPath = demo;
        requireNoNotices(loadProjectModel(fs(), app_, state), "loading the demo project");
        SettingsModel& m = state.model;
        for (int i = 0; i < kBusinessCount; ++i) {
            for (int k = 0; k < kCommodityEntries; ++k) {
                CommodityEntry& entry = m.EditBusinesses[i].commodities[k];
                if (entry.amount == 0) {
                    entry.commodity = m.Commodities[(i + k) % kCommodityCount].code;
                    entry.amount = static_cast<std::int16_t>(10 + k);
                }
            }
        }
        for (auto& record : m.EditBlocks) {
            record.changed = true;
        }
        for (auto& record : m.EditBusinesses) {
            record.changed = true;
        }
        for (auto& record : m.EditCommodities) {
            record.changed = true;
        }
        state.bBlockHasChanged = true;
        state.bBusinessHasChanged = true;
        state.bCommodityHasChanged = true;
        state.bCityHasChanged = true;
        state.bDataHasChanged = true;
        state.bVersionCompatible = true;

        Create_CodeArray(state);
        if (state.CodeArray.size() != kGeneratedLines) {
            throw std::runtime_error("the save generates " +
                                     std::to_string(state.CodeArray.size()) + " lines, not " +
                                     std::to_string(kGeneratedLines));
        }
    }

    // The first save appends the settings the demo scripts lack and the
    // second gives those lines their place form; from then on a save writes
    // the bytes it read.
    void saveUntilSettled(const std::string& project) {
        saveState_.ProjectPath = project;
        for (int round = 0; round < 4; ++round) {
            const std::vector<std::string> before = scriptsOf(project);
            requireNoNotices(Save_Project(fs(), saveState_, kVersion), "saving " + project);
            if (scriptsOf(project) == before) {
                return;
            }
        }
        throw std::runtime_error("saving " + project + " never settles");
    }

    // times 0: every script repeated to the line limit.
    void addInput(const std::string& name, const std::string& demo, const std::string& saved,
                  std::size_t times) {
        Input input;
        input.name = name;
        input.loadProject = times == 1 ? demo : root_.subfolder("load-" + name);
        input.saveProject = times == 1 ? saved : root_.subfolder("save-" + name);
        for (std::size_t f = 0; f < kScriptFiles.size(); ++f) {
            for (const auto& [from, to, lines, bytes] :
                 {std::tuple{demo, input.loadProject, &input.loadLines, &input.loadBytes},
                  std::tuple{saved, input.saveProject, &input.saveLines, &input.saveBytes}}) {
                std::string script = readWhole(scriptPath(from, f));
                if (times != 1) {
                    const std::size_t count =
                        times == 0 ? kScriptLineLimit : lineCount(script) * times;
                    script =
                        from == saved ? settingsLast(script, count) : repeatToLines(script, count);
                    writeWhole(scriptPath(to, f), script);
                }
                *lines += lineCount(script);
                *bytes += script.size();
            }
        }
        for (const std::string& table : codeTables_) {
            input.loadBytes += readWhole(table).size();
        }
        check(input);
        if (const std::string failure = runScripts(luaStubs_, scriptsOf(input.loadProject));
            !failure.empty()) {
            throw std::runtime_error("Lua cannot run the " + name + " scripts: " + failure);
        }
        inputs_.push_back(input);
    }

    // Every input loads without a notice and saves to exactly its own bytes
    // with no generated line left over, so the timed runs do what they say.
    void check(const Input& input) {
        EditorState loaded;
        loaded.ProjectPath = input.loadProject;
        requireNoNotices(loadProjectModel(fs(), app_, loaded), "loading " + input.name);

        saveState_.ProjectPath = input.saveProject;
        const std::vector<std::string> before = scriptsOf(input.saveProject);
        requireNoNotices(Save_Project(fs(), saveState_, kVersion), "saving " + input.name);
        if (scriptsOf(input.saveProject) != before) {
            throw std::runtime_error("the save input " + input.name + " changes when saved");
        }
        if (saveState_.CodeArray.size() != 1 || saveState_.CodeArray.front().fileNumber != -1) {
            throw std::runtime_error("the save of " + input.name + " left lines unwritten");
        }
    }

    ScratchFolder root_;
    std::string luaStubs_ = readWhole(TGEDIT_LUA_STUBS);
    std::string app_;
    std::vector<std::string> codeTables_;
    EditorState saveState_;
    std::vector<Input> inputs_;
};

void setCounters(benchmark::State& state, std::size_t lines, std::size_t bytes) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["lines"] = static_cast<double>(lines);
}

void runLoad(benchmark::State& state, Workspace& ws, const Input& input) {
    EditorState editor;
    editor.ProjectPath = input.loadProject;
    for (auto _ : state) {
        Notices notices = loadProjectModel(ws.fs(), ws.app(), editor);
        benchmark::DoNotOptimize(notices);
    }
    setCounters(state, input.loadLines, input.loadBytes);
}

void runLoadRaw(benchmark::State& state, Workspace& ws, const Input& input) {
    std::vector<std::string> files = ws.codeTables();
    for (std::size_t f = 0; f < kScriptFiles.size(); ++f) {
        files.push_back(scriptPath(input.loadProject, f));
    }
    std::string bytes;
    for (auto _ : state) {
        for (const std::string& file : files) {
            if (ws.fs().readFile(file, bytes)) {
                state.SkipWithError("cannot read a load input");
                return;
            }
            const std::vector<std::string_view> lines = splitLines(bytes);
            benchmark::DoNotOptimize(lines.data());
        }
    }
    setCounters(state, input.loadLines, input.loadBytes);
}

void runSave(benchmark::State& state, Workspace& ws, const Input& input) {
    EditorState& editor = ws.saveState();
    editor.ProjectPath = input.saveProject;
    for (auto _ : state) {
        Notices notices = Save_Project(ws.fs(), editor, kVersion);
        benchmark::DoNotOptimize(notices);
    }
    setCounters(state, input.saveLines, input.saveBytes);
}

void runSaveRaw(benchmark::State& state, Workspace& ws, const Input& input) {
    std::string bytes;
    for (auto _ : state) {
        for (std::size_t f = 0; f < kScriptFiles.size(); ++f) {
            const std::string path = scriptPath(input.saveProject, f);
            if (ws.fs().readFile(path, bytes) || ws.fs().writeFileAtomic(path, bytes)) {
                state.SkipWithError("cannot read or write a save input");
                return;
            }
        }
    }
    setCounters(state, input.saveLines, input.saveBytes);
}

void runLua(benchmark::State& state, Workspace& ws, const Input& input) {
    const std::vector<std::string> scripts = scriptsOf(input.loadProject);
    for (auto _ : state) {
        std::string failure = runScripts(ws.luaStubs(), scripts);
        benchmark::DoNotOptimize(failure);
    }
    setCounters(state, input.loadLines, input.loadBytes);
}

// Collects the real time per iteration of every benchmark (the median when
// the run has repetitions) while printing as usual.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median) {
                continue;
            }
            const std::string& name = run.run_name.function_name;
            if (median || !medians_.contains(name)) {
                const double ns = run.GetAdjustedRealTime() * 1e9 /
                                  benchmark::GetTimeUnitMultiplier(run.time_unit);
                if (median) {
                    medians_[name] = ns;
                } else {
                    means_[name] = ns;
                }
            }
        }
    }

    // Nanoseconds per iteration, or a negative number when the benchmark
    // did not run.
    double nanoseconds(const std::string& name) const {
        if (auto it = medians_.find(name); it != medians_.end()) {
            return it->second;
        }
        if (auto it = means_.find(name); it != means_.end()) {
            return it->second;
        }
        return -1.0;
    }

private:
    std::map<std::string, double> medians_;
    std::map<std::string, double> means_;
};

std::string fixed(double value, int decimals) {
    return value < 0 ? std::string("-") : formatFixed(value, decimals);
}

// A worst ratio of 0 means that no input of the kind ran.
std::string verdict(double worst, double limit) {
    if (worst <= 0) {
        return "not run";
    }
    return worst <= limit ? "met" : "NOT MET";
}

void printSummary(const CollectingReporter& reporter, const std::vector<Input>& inputs) {
    std::printf("\nAgainst the game's interpreter and the raw file work (real time, this run)\n");
    std::printf("%-6s %7s %9s %9s %8s %8s %8s %9s %9s %6s %8s\n", "input", "lines", "load us",
                "lua us", "lua/load", "load/raw", "ns/line", "save us", "raw us", "ratio",
                "ns/line");
    double loadPerLineReal = -1;
    double savePerLineReal = -1;
    double worstLuaRatio = -1;  // the smallest lua/load of all inputs
    double worstSaveRatio = 0;
    double worstLoadFlat = 0;
    double worstSaveFlat = 0;
    auto ratio = [](double a, double b) { return a > 0 && b > 0 ? a / b : -1; };
    for (const Input& input : inputs) {
        const double load = reporter.nanoseconds("load/" + input.name);
        const double loadRaw = reporter.nanoseconds("load_raw/" + input.name);
        const double lua = reporter.nanoseconds("lua/" + input.name);
        const double save = reporter.nanoseconds("save/" + input.name);
        const double saveRaw = reporter.nanoseconds("save_raw/" + input.name);
        const double luaRatio = ratio(lua, load);
        const double saveRatio = ratio(save, saveRaw);
        const double loadPerLine = ratio(load, static_cast<double>(input.loadLines));
        const double savePerLine = ratio(save, static_cast<double>(input.saveLines));
        std::printf("%-6s %7zu %9s %9s %8s %8s %8s %9s %9s %6s %8s\n", input.name.c_str(),
                    input.saveLines, fixed(load / 1e3, 1).c_str(), fixed(lua / 1e3, 1).c_str(),
                    fixed(luaRatio, 2).c_str(), fixed(ratio(load, loadRaw), 2).c_str(),
                    fixed(loadPerLine, 1).c_str(), fixed(save / 1e3, 1).c_str(),
                    fixed(saveRaw / 1e3, 1).c_str(), fixed(saveRatio, 2).c_str(),
                    fixed(savePerLine, 1).c_str());
        if (luaRatio > 0) {
            worstLuaRatio = worstLuaRatio < 0 ? luaRatio : std::min(worstLuaRatio, luaRatio);
        }
        worstSaveRatio = std::max(worstSaveRatio, saveRatio);
        if (input.name == "real") {
            loadPerLineReal = loadPerLine;
            savePerLineReal = savePerLine;
        } else if (loadPerLineReal > 0 && savePerLineReal > 0) {
            worstLoadFlat = std::max(worstLoadFlat, loadPerLine / loadPerLineReal);
            worstSaveFlat = std::max(worstSaveFlat, savePerLine / savePerLineReal);
        }
    }
    const char* luaVerdict = worstLuaRatio < 0      ? "not run"
                             : worstLuaRatio >= 2.0 ? "met"
                                                    : "NOT MET";
    std::printf("\nTargets (load/raw is for information only)\n");
    std::printf("  load at least 2x faster than the interpreter: worst %sx  %s\n",
                fixed(worstLuaRatio, 2).c_str(), luaVerdict);
    std::printf("  save at most 3x its raw baseline:             worst %sx  %s\n",
                fixed(worstSaveRatio, 2).c_str(), verdict(worstSaveRatio, 3.0).c_str());
    std::printf("  load time per line within 1.5x of real size:  worst %sx  %s\n",
                fixed(worstLoadFlat, 2).c_str(), verdict(worstLoadFlat, 1.5).c_str());
    std::printf("  save time per line within 1.5x of real size:  worst %sx  %s\n",
                fixed(worstSaveFlat, 2).c_str(), verdict(worstSaveFlat, 1.5).c_str());
}

}  // namespace
}  // namespace tg::bench

int main(int argc, char** argv) {
    using namespace tg::bench;
    // Unless the command line says otherwise, each benchmark runs five times,
    // the runs of all benchmarks shuffled together, and the ratios are taken
    // from the medians: a burst of load on the machine then falls on a few
    // runs of several benchmarks instead of on every run of one.
    std::vector<char*> args(argv, argv + argc);
    std::string defaults[] = {"--benchmark_repetitions=5",
                              "--benchmark_enable_random_interleaving=true",
                              "--benchmark_report_aggregates_only=true"};
    args.insert(args.begin() + 1, {defaults[0].data(), defaults[1].data(), defaults[2].data()});
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 1;
    }
    std::unique_ptr<Workspace> ws;
    try {
        ws = std::make_unique<Workspace>();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cannot set up the benchmarks: %s\n", e.what());
        return 1;
    }
    Workspace& w = *ws;
    for (const Input& input : w.inputs()) {
        const std::pair<const char*, void (*)(benchmark::State&, Workspace&, const Input&)> runs[] =
            {{"load/", runLoad},
             {"load_raw/", runLoadRaw},
             {"save/", runSave},
             {"save_raw/", runSaveRaw},
             {"lua/", runLua}};
        for (const auto& [prefix, run] : runs) {
            benchmark::RegisterBenchmark(
                (prefix + input.name).c_str(),
                [run, &w, &input](benchmark::State& state) { run(state, w, input); })
                ->UseRealTime()
                ->Unit(benchmark::kMicrosecond);
        }
    }
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter, w.inputs());
    benchmark::Shutdown();
    return 0;
}
