#include "scripts/script_writer.h"

#include <string_view>
#include <utility>
#include <vector>

#include "fs/file_system.h"
#include "fs/paths.h"
#include "model/identifiers.h"
#include "scripts/numbers.h"
#include "scripts/script_files.h"
#include "scripts/text_lines.h"
#include "scripts/text_ops.h"

namespace tg {

namespace {

// A commodity entry that is free both in the working and in the loaded set
// gets no line. The builder tags it with this value and drops every line that
// carries it, so the tag never reaches a file.
constexpr std::string_view kNoLine = "*****_____*****";

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kMarkerRule = "-----------------------------------";  // 35 hyphens

std::string flagText(bool value) {
    return value ? "true;" : "false;";
}

std::string integerText(long long value) {
    return formatInteger(value) + ";";
}

std::string twoDecimals(double value) {
    return formatFixed(value, 2) + ";";
}

std::string oneDecimal(double value) {
    return formatFixed(value, 1) + ";";
}

// Appends the lines of one record. A record without a code has no line in any
// script and cannot be named in one ("Block[]" is not Lua), so it adds nothing.
class LineBuilder {
public:
    LineBuilder(CodeLineList& lines, std::string prefix, std::int16_t fileNumber)
        : lines_(lines), prefix_(std::move(prefix)), fileNumber_(fileNumber) {}

    void add(std::string_view key, std::string valueText) {
        if (valueText == kNoLine) {
            return;
        }
        lines_.push_back(CodeLine{prefix_ + std::string(key), fileNumber_, std::move(valueText)});
    }

private:
    CodeLineList& lines_;
    std::string prefix_;
    std::int16_t fileNumber_;
};

void addBlock(CodeLineList& lines, const BlockRecord& block) {
    LineBuilder b(lines, "Block[" + block.code + "]", 0);
    b.add(".buildingrights = ", block.buildingrights ? "2;" : "0;");
    b.add(".ownable = ", flagText(block.ownable));
    b.add(".prestige = ", twoDecimals(block.prestige));
    b.add(".value = ", integerText(block.value));
}

// The value text of commodity entry k: written when the working entry has an
// amount, blanked when only the loaded entry had one, otherwise no line.
std::string entryText(const CommodityEntry& working, const CommodityEntry& loaded) {
    if (working.amount != 0) {
        return working.commodity + "," + formatInteger(working.amount) + ");";
    }
    if (loaded.amount != 0) {
        return {};
    }
    return std::string(kNoLine);
}

void addBusiness(CodeLineList& lines, const BusinessRecord& business,
                 const BusinessRecord& loaded) {
    LineBuilder b(lines, "BusinessInfo[" + business.code + "]", 1);
    b.add(".closingtime = ", integerText(business.closingtime));
    for (int k = 0; k < kCommodityEntries; ++k) {
        b.add(":AddCommodity(", entryText(business.commodities[k], loaded.commodities[k]));
    }
    b.add(".density = ", formatShortest(business.density) + ";");
    b.add(".electricalneed = ", twoDecimals(business.electricalneed));
    b.add(".footprintband = ", integerText(business.footprintband));
    b.add(".gasneed = ", twoDecimals(business.gasneed));
    b.add(".maxarea = ", integerText(business.maxarea));
    b.add(".maxheight = ", integerText(business.maxheight));
    b.add(".maxside = ", integerText(business.maxside));
    b.add(".minarea = ", integerText(business.minarea));
    b.add(".minheight = ", integerText(business.minheight));
    b.add(".openingtime = ", integerText(business.openingtime));
    b.add(".refurbcost = ", integerText(business.refurbcost));
    b.add(".stockcapacity = ", integerText(business.stockcapacity));
    b.add(".telecomneed = ", twoDecimals(business.telecomneed));
    b.add(".timeinstore = ", twoDecimals(business.timeinstore));
    b.add(".waterneed = ", twoDecimals(business.waterneed));
}

void addCommodity(CodeLineList& lines, const CommodityRecord& commodity) {
    LineBuilder b(lines, "Commodity[" + commodity.code + "]", 2);
    b.add(".markup = ", twoDecimals(commodity.markup));
    b.add(":Membership(", commodity.membership + ");");
    b.add(".value = ", twoDecimals(commodity.value));
}

// The six difficulty-level lines only when the game's version can take them.
void addTweaks(CodeLineList& lines, const TweaksRecord& tweaks, bool versionCompatible) {
    LineBuilder b(lines, std::string(kTweaksIdentifier), 3);
    b.add(".blockleaselength = ", integerText(tweaks.blockleaselength));
    b.add(".citybusinessesownable = ", flagText(tweaks.citybusinessesownable));
    if (versionCompatible) {
        b.add(".dailyfreightEASY = ", integerText(tweaks.dailyfreightEASY));
        b.add(".dailyfreightHARD = ", integerText(tweaks.dailyfreightHARD));
        b.add(".dailyfreightMEDIUM = ", integerText(tweaks.dailyfreightMEDIUM));
    }
    b.add(".daysoff = ", flagText(tweaks.daysoff));
    b.add(".numyearsin24hours = ", integerText(tweaks.numyearsin24hours));
    if (versionCompatible) {
        b.add(".railutilincomeEASY = ", oneDecimal(tweaks.railutilincomeEASY));
        b.add(".railutilincomeHARD = ", oneDecimal(tweaks.railutilincomeHARD));
        b.add(".railutilincomeMEDIUM = ", oneDecimal(tweaks.railutilincomeMEDIUM));
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool allBlank(std::string_view text) {
    for (char c : text) {
        if (!isBlank(c)) {
            return false;
        }
    }
    return true;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = asciiLower(c);
    }
    return out;
}

// Matches script lines against the pending lines of CodeArray. Each entry's
// head is reduced once (blanks removed, letters lowered), so a script of many
// lines does not redo that work for every line.
class LineMatcher {
public:
    explicit LineMatcher(CodeLineList& codeArray) : codeArray_(codeArray) {
        keys_.reserve(codeArray_.size());
        for (const CodeLine& entry : codeArray_) {
            keys_.push_back(lowered(removeBlanks(entry.head)));
        }
    }

    // The replacement for one line of script fileNumber: empty for a line
    // without code (blank, or only a comment), the line itself when no entry
    // matches it.
    std::string rewrite(std::string_view line, int fileNumber) {
        const std::string_view code = stripComment(line);
        // The blank-free text of the line and, for each of its characters,
        // where it stands in the line.
        std::string reduced;
        std::vector<std::size_t> at;
        reduced.reserve(code.size());
        at.reserve(code.size());
        for (std::size_t i = 0; i < code.size(); ++i) {
            if (!isBlank(code[i])) {
                reduced.push_back(asciiLower(code[i]));
                at.push_back(i);
            }
        }
        if (reduced.empty()) {
            return {};
        }

        std::size_t match = codeArray_.size();
        std::size_t found = std::string::npos;
        for (std::size_t i = 0; i < codeArray_.size(); ++i) {
            if (codeArray_[i].fileNumber != fileNumber || keys_[i].empty()) {
                continue;
            }
            found = reduced.find(keys_[i]);
            if (found != std::string::npos) {
                match = i;
                break;
            }
        }
        if (match == codeArray_.size()) {
            return std::string(line);
        }

        // The setting runs from its head to the first ";" behind the head, or
        // to the end of the code when it has none. Other code on the same
        // line (before the setting or behind its ";") is kept, so a line with
        // two statements does not lose the second one.
        const std::size_t start = at[found];
        std::size_t end = code.size();
        const std::size_t semi = reduced.find(';', found + keys_[match].size());
        if (semi != std::string::npos) {
            end = at[semi] + 1;
        }
        const std::string_view before = code.substr(0, start);
        const std::string_view after = code.substr(end);
        const std::string_view comment = line.substr(code.size());
        const CodeLine entry = codeArray_[match];
        remove(match);

        if (allBlank(before) && allBlank(after)) {
            if (entry.valueText.empty()) {
                return " ";
            }
            return entry.head + entry.valueText + " " + std::string(comment);
        }
        std::string result(before);
        if (!entry.valueText.empty()) {
            result += entry.head + entry.valueText;
        }
        result += after;
        result += comment;
        return allBlank(result) ? std::string(" ") : result;
    }

    void remove(std::size_t pos) {
        Remove_CodeLine(codeArray_, pos);
        if (pos < keys_.size()) {
            keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(pos));
        }
        if (keys_.empty()) {
            keys_.emplace_back();  // the marker entry
        }
    }

private:
    CodeLineList& codeArray_;
    std::vector<std::string> keys_;
};

void appendMarkerBlock(std::string& out, const std::string& version) {
    out += kLineEnd;
    out += kMarkerRule;
    out += kLineEnd;
    out += "-- Added by TG Edit ";
    out += version;
    out += kLineEnd;
    out += kMarkerRule;
    out += kLineEnd;
    out += kLineEnd;
}

// The new bytes of script fileNumber: every line rewritten or copied, each
// ending in CR LF, then the settings that found no line under one marker
// block. Entries used here are taken out of codeArray.
std::string composeScript(std::string_view bytes, int fileNumber, CodeLineList& codeArray,
                          const std::string& version) {
    std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.empty()) {
        lines.emplace_back();
    }
    std::string out;
    out.reserve(bytes.size() + lines.size() + 256);
    LineMatcher matcher(codeArray);
    for (std::string_view line : lines) {
        const std::string replacement = matcher.rewrite(line, fileNumber);
        out += replacement.empty() ? line : std::string_view(replacement);
        out += kLineEnd;
    }

    bool markerWritten = false;
    std::size_t pos = 0;
    while (pos < codeArray.size()) {
        const CodeLine& entry = codeArray[pos];
        if (entry.fileNumber != fileNumber) {
            ++pos;
            continue;
        }
        // An emptied commodity entry whose line is gone has nothing to say;
        // appending it would leave an unbalanced "AddCommodity(" behind.
        if (!entry.valueText.empty()) {
            if (!markerWritten) {
                appendMarkerBlock(out, version);
                markerWritten = true;
            }
            out += entry.head;
            out += entry.valueText;
            out += kLineEnd;
        }
        matcher.remove(pos);
    }
    return out;
}

bool kindFlag(const EditorState& state, int fileNumber) {
    switch (fileNumber) {
        case 0:
            return state.bBlockHasChanged;
        case 1:
            return state.bBusinessHasChanged;
        case 2:
            return state.bCommodityHasChanged;
        case 3:
            return state.bCityHasChanged;
        default:
            return false;
    }
}

Notice saveFailure(const std::string& path, const std::string& reason) {
    return Notice{kTitleTGEdit, "Cannot save " + path + ": " + reason};
}

}  // namespace

void Create_CodeArray(EditorState& state) {
    const SettingsModel& model = state.model;
    CodeLineList lines;
    for (const BlockRecord& block : model.EditBlocks) {
        if (block.changed && !block.code.empty()) {
            addBlock(lines, block);
        }
    }
    for (int i = 0; i < kBusinessCount; ++i) {
        const BusinessRecord& business = model.EditBusinesses[i];
        if (business.changed && !business.code.empty()) {
            addBusiness(lines, business, model.Businesses[i]);
        }
    }
    for (const CommodityRecord& commodity : model.EditCommodities) {
        if (commodity.changed && !commodity.code.empty()) {
            addCommodity(lines, commodity);
        }
    }
    if (state.bCityHasChanged) {
        addTweaks(lines, model.EditTweaks, state.bVersionCompatible);
    }
    state.CodeArray = lines.empty() ? emptyCodeArray() : std::move(lines);
}

void Remove_CodeLine(CodeLineList& codeArray, std::size_t pos) {
    if (pos < codeArray.size()) {
        codeArray.erase(codeArray.begin() + static_cast<std::ptrdiff_t>(pos));
    }
    if (codeArray.empty()) {
        codeArray = emptyCodeArray();
    }
}

std::string Rewrite_Line(CodeLineList& codeArray, std::string_view line, int fileNumber) {
    LineMatcher matcher(codeArray);
    return matcher.rewrite(line, fileNumber);
}

Notices Write_Scripts(FileSystem& fs, EditorState& state, const std::string& version) {
    Notices notices;
    for (int f = 0; f < static_cast<int>(kScriptFiles.size()); ++f) {
        if (!kindFlag(state, f)) {
            continue;
        }
        const std::string name(kScriptFiles[static_cast<std::size_t>(f)]);
        if (state.ProjectPath.empty()) {
            notices.push_back(saveFailure(name, "no project folder is open"));
            continue;
        }
        const std::string path = state.ProjectPath + name;
        std::string bytes;
        if (FsStatus error = fs.readFile(path, bytes)) {
            notices.push_back(saveFailure(path, error->reason));
            continue;
        }
        // Work on a copy: when the file cannot be replaced, its lines stay
        // in CodeArray just as for a script whose flag is clear.
        CodeLineList pending = state.CodeArray;
        const std::string text = composeScript(bytes, f, pending, version);
        if (FsStatus error = fs.writeFileAtomic(path, text)) {
            notices.push_back(saveFailure(path, error->reason));
            continue;
        }
        state.CodeArray = std::move(pending);
    }
    return notices;
}

Notices Save_Project(FileSystem& fs, EditorState& state, const std::string& version) {
    Create_CodeArray(state);
    return Write_Scripts(fs, state, version);
}

}  // namespace tg
