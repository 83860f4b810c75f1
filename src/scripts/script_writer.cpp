#include "scripts/script_writer.h"

#include <string_view>
#include <utility>
#include <vector>

#include "fs/file_system.h"
#include "fs/paths.h"
#include "model/identifiers.h"
#include "scripts/head_index.h"
#include "scripts/numbers.h"
#include "scripts/script_files.h"
#include "scripts/text_lines.h"
#include "scripts/text_ops.h"
#include "scripts/writer_text.h"

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

bool allBlank(std::string_view text) {
    for (char c : text) {
        if (c != ' ' && c != '\t') {
            return false;
        }
    }
    return true;
}

// Rewrites the lines of one script against the pending lines of CodeArray.
// The scratch buffer lives as long as the rewriter, so a script of many lines
// does not allocate for each of them.
class LineRewriter {
public:
    LineRewriter(const CodeLineList& codeArray, int fileNumber)
        : codeArray_(codeArray), index_(codeArray, fileNumber) {}

    // Appends the line's new text to out. Returns the entry it took (a list
    // position), or HeadIndex::npos when the line stays as it was.
    std::size_t rewrite(std::string_view line, std::string& out) {
        if (index_.empty()) {
            out += line;
            return HeadIndex::npos;
        }
        const std::string_view code = stripComment(line);
        // The blank-free, lowered text of the code; where its characters
        // stand in the line is worked out only for a line that matches.
        const std::string_view reduced = writer::reduceCode(code, reduced_);
        const HeadIndex::Match match = reduced.empty() ? HeadIndex::Match{} : index_.find(reduced);
        if (match.entry == HeadIndex::npos) {
            out += line;
            return HeadIndex::npos;
        }
        index_.take(match);

        // The setting runs from its head to the first ";" behind the head, or
        // to the end of the code when it has none. Other code on the same
        // line (before the setting or behind its ";") is kept, so a line with
        // two statements does not lose the second one.
        const std::size_t start = writer::positionInCode(code, match.at);
        std::size_t end = code.size();
        const std::size_t semi = reduced.find(';', match.at + match.length);
        if (semi != std::string_view::npos) {
            end = writer::positionInCode(code, semi) + 1;
        }
        const std::string_view before = code.substr(0, start);
        const std::string_view after = code.substr(end);
        const std::string_view comment = line.substr(code.size());
        const CodeLine& entry = codeArray_[match.entry];

        if (allBlank(before) && allBlank(after)) {
            if (entry.valueText.empty()) {
                out += ' ';
            } else {
                out += entry.head;
                out += entry.valueText;
                out += ' ';
                out += comment;
            }
            return match.entry;
        }
        const std::size_t from = out.size();
        out += before;
        if (!entry.valueText.empty()) {
            out += entry.head;
            out += entry.valueText;
            if (!allBlank(after)) {
                // Code behind the setting goes on a line of its own. The reader
                // takes a value up to the first ";" behind its key and wants no
                // "=" before that, so code such as "x = 1;" behind a call line
                // would make the rewritten line unreadable.
                out += "\r\n";
            }
        }
        out += after;
        out += comment;
        if (allBlank(std::string_view(out).substr(from))) {
            out.resize(from);
            out += ' ';
        }
        return match.entry;
    }

    // True when no pending line is left to match, so every further line is
    // written as it was.
    bool done() const { return index_.empty(); }

private:
    const CodeLineList& codeArray_;
    HeadIndex index_;
    std::vector<char> reduced_;
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

// The size of the pieces a script is written in when it goes straight to its
// file: small enough to stay in the cache and to need no fresh memory for a
// large script.
constexpr std::size_t kPiece = std::size_t{64} << 10;

// The new bytes of script fileNumber; codeArray is left as it is. Without a
// sink they are collected in out (emptied first); with one they go to the
// sink in pieces of about kPiece bytes, out serving as the piece.
void composeInto(std::string_view bytes, int fileNumber, const CodeLineList& codeArray,
                 const std::string& version, std::string& out, const ByteSink* sink) {
    out.clear();
    // Room for a line end of two bytes where the script has one, and some
    // appended lines; memory not written to costs nothing.
    out.reserve(sink != nullptr ? kPiece + 256 : bytes.size() + bytes.size() / 4 + 256);
    auto pass = [&]() {
        if (sink != nullptr && out.size() >= kPiece) {
            (*sink)(out);
            out.clear();
        }
    };
    std::vector<bool> taken(codeArray.size(), false);
    {
        LineRewriter rewriter(codeArray, fileNumber);
        if (bytes.empty()) {
            // A file without any line is one empty line.
            out += kLineEnd;
        }
        std::size_t pos = 0;
        while (pos < bytes.size()) {
            if (rewriter.done()) {
                // The rest as it is, in runs of whole lines.
                const std::size_t cut =
                    sink == nullptr || bytes.size() - pos <= kPiece
                        ? bytes.size()
                        : writer::nextLineStart(bytes, lineEndFrom(bytes, pos + kPiece));
                writer::appendLinesUnchanged(bytes.substr(pos, cut - pos), out);
                pass();
                pos = cut;
                continue;
            }
            const std::size_t end = lineEndFrom(bytes, pos);
            const std::size_t entry = rewriter.rewrite(bytes.substr(pos, end - pos), out);
            if (entry != HeadIndex::npos) {
                taken[entry] = true;
            }
            out += kLineEnd;
            pass();
            pos = writer::nextLineStart(bytes, end);
        }
    }

    // What is left of this script goes to its end, in list order, under one
    // marker block.
    bool markerWritten = false;
    for (std::size_t i = 0; i < codeArray.size(); ++i) {
        const CodeLine& entry = codeArray[i];
        // An emptied commodity entry whose line is gone has nothing to say;
        // appending it would leave an unbalanced "AddCommodity(" behind.
        if (entry.fileNumber != fileNumber || taken[i] || entry.valueText.empty()) {
            continue;
        }
        if (!markerWritten) {
            appendMarkerBlock(out, version);
            markerWritten = true;
        }
        out += entry.head;
        out += entry.valueText;
        out += kLineEnd;
        pass();
    }
    if (sink != nullptr && !out.empty()) {
        (*sink)(out);
        out.clear();
    }
}

// Takes every line of script fileNumber out of codeArray: the written ones
// and the appended ones alike.
void dropScriptLines(CodeLineList& codeArray, int fileNumber) {
    std::erase_if(codeArray,
                  [fileNumber](const CodeLine& entry) { return entry.fileNumber == fileNumber; });
    if (codeArray.empty()) {
        codeArray = emptyCodeArray();
    }
}

}  // namespace

std::string composeScript(std::string_view bytes, int fileNumber, CodeLineList& codeArray,
                          const std::string& version) {
    std::string out;
    composeInto(bytes, fileNumber, codeArray, version, out, nullptr);
    dropScriptLines(codeArray, fileNumber);
    return out;
}

namespace {

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
    if (allBlank(stripComment(line))) {
        return {};
    }
    std::string out;
    std::size_t entry = HeadIndex::npos;
    {
        LineRewriter rewriter(codeArray, fileNumber);
        entry = rewriter.rewrite(line, out);
    }
    if (entry != HeadIndex::npos) {
        Remove_CodeLine(codeArray, entry);
    }
    return out;
}

Notices Write_Scripts(FileSystem& fs, EditorState& state, const std::string& version) {
    Notices notices;
    // One read buffer for the four scripts; the new text goes to the file in
    // pieces.
    std::string bytes;
    std::string piece;
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
        if (FsStatus error = fs.readFile(path, bytes)) {
            notices.push_back(saveFailure(path, error->reason));
            continue;
        }
        // When the file cannot be replaced, its lines stay in CodeArray just
        // as for a script whose flag is clear.
        const FsStatus error = fs.writeFileAtomic(path, [&](const ByteSink& sink) {
            composeInto(bytes, f, state.CodeArray, version, piece, &sink);
        });
        if (error) {
            notices.push_back(saveFailure(path, error->reason));
            continue;
        }
        dropScriptLines(state.CodeArray, f);
    }
    return notices;
}

Notices Save_Project(FileSystem& fs, EditorState& state, const std::string& version) {
    Create_CodeArray(state);
    return Write_Scripts(fs, state, version);
}

}  // namespace tg
