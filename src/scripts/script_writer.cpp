#include "scripts/script_writer.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "fs/file_system.h"
#include "model/setting_fields.h"
#include "scripts/matcher.h"
#include "scripts/numbers.h"
#include "scripts/script_files.h"
#include "scripts/text_lines.h"
#include "scripts/text_ops.h"

namespace tg {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kMarkerRule = "-----------------------------------";  // 35 hyphens
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Where in text the last `count` bytes before end that are not blanks begin
// (text holds that many).
std::size_t startOf(std::string_view text, std::size_t end, std::size_t count) {
    while (count > 0) {
        if (!isBlank(text[--end])) {
            --count;
        }
    }
    return end;
}

// Appends the lines of one record, in the order of the table's write order.
// A commodity entry is written when the working entry has an amount,
// blanked (empty value text) when only the loaded entry had one, and gets no
// line when both are free. The rail and utility tweaks are left out for a
// game that cannot take them.
template <class Record>
void addLines(CodeLineList& lines, const Record& record, const Record& loaded,
              bool versionCompatible) {
    const RecordKindInfo& kind = recordKindInfo(kKindOf<Record>);
    const std::string recordPart = recordHead(kind.kind, record.code);
    for (const SettingField<Record>* field : fieldsInWriteOrder<Record>()) {
        if (field->difficulty && !versionCompatible) {
            continue;
        }
        std::string valueText;
        if (field->type == SettingType::Entry) {
            const double amount = settingNumber(record, *field);
            if (amount != 0.0) {
                valueText = std::string(settingText(record, *field)) + "," +
                            formatWritten(amount, WrittenForm::Integer) + std::string(field->tail);
            } else if (settingNumber(loaded, *field) == 0.0) {
                continue;
            }
        } else if (field->type == SettingType::Membership) {
            valueText = std::string(settingText(record, *field)) + std::string(field->tail);
        } else {
            valueText = formatWritten(settingNumber(record, *field), field->form) +
                        std::string(field->tail);
        }
        lines.push_back(CodeLine{recordPart + std::string(field->head),
                                 static_cast<std::int16_t>(kind.fileNumber), std::move(valueText)});
    }
}

// The changed records of one kind; a record without a code has no line in
// any script and cannot be named in one ("Block[]" is not Lua).
template <class Record, std::size_t N>
void addChanged(CodeLineList& lines, const std::array<Record, N>& working,
                const std::array<Record, N>& loaded) {
    for (std::size_t i = 0; i < N; ++i) {
        if (working[i].changed && !working[i].code.empty()) {
            addLines(lines, working[i], loaded[i], true);
        }
    }
}

// The pending lines of one script, found in a line's code by their heads.
// A line is rewritten by the first pending entry, in list order, whose head
// (blanks removed) occurs anywhere in the line's code (blanks removed),
// letter case ignored; each entry is taken at most once.
//
// A head is a record part and a field part, "BusinessInfo[BAKERY]" and
// ".density=": it is split after its last "]" (a head without one is all
// record part). The matcher holds the distinct parts, not the heads: a
// business script's thousand heads are some fifty record parts and twenty
// field parts, a few hundred nodes instead of thousands, so the matcher is
// quick to build and its table stays in the processor's nearest cache. A
// head occurs where its record part ends and its field part starts. Entries
// with the same head (a business's AddCommodity entries) queue under that
// head in list order. The matcher walks the code as read and passes over its
// blanks, so no line is copied without them.
class PendingHeads {
public:
    PendingHeads(const CodeLineList& codeArray, int fileNumber) {
        std::vector<std::string> records;
        std::vector<std::string> fields;
        std::map<std::string, std::size_t, std::less<>> recordNumbers;
        std::map<std::string, std::size_t, std::less<>> fieldNumbers;
        for (std::size_t i = 0; i < codeArray.size(); ++i) {
            if (codeArray[i].fileNumber != fileNumber) {
                continue;
            }
            const std::string head = removeBlanks(codeArray[i].head);
            if (head.empty()) {
                continue;  // matches no line
            }
            const std::size_t split = head.rfind(']') + 1;  // 0 without a "]": all record part
            const std::string_view record =
                std::string_view(head).substr(0, split == 0 ? head.size() : split);
            const std::string_view field = std::string_view(head).substr(record.size());
            const std::size_t r = numberOf(records, recordNumbers, record);
            const std::size_t f = field.empty() ? kNone : numberOf(fields, fieldNumbers, field);
            queueOf(r, f).entries.push_back(i);
            ++waiting_;
        }
        // Record parts are patterns 0 to records - 1, field parts follow.
        recordCount_ = records.size();
        std::vector<std::string_view> parts(records.begin(), records.end());
        parts.insert(parts.end(), fields.begin(), fields.end());
        for (std::string_view part : parts) {
            partLengths_.push_back(part.size());
        }
        parts_ = Matcher(parts, Matcher::LetterCase::Ignore, kBlanks);
    }

    struct Match {
        std::size_t entry = kNone;  // position in the list
        std::size_t queue = kNone;
        std::size_t at = 0;   // where the head first occurs in the code
        std::size_t end = 0;  // just behind the head's last byte there
    };

    Match find(std::string_view code) {
        Match best;
        if (waiting_ == 0) {
            return best;
        }
        auto consider = [&](std::size_t r, std::size_t f, std::size_t recordEnd,
                            std::size_t headEnd) {
            const std::size_t q = queueIndex(r, f);
            if (q == kNone) {
                return;
            }
            const Queue& queue = queues_[q];
            if (queue.taken < queue.entries.size() && queue.entries[queue.taken] < best.entry) {
                best = Match{queue.entries[queue.taken], q,
                             startOf(code, recordEnd, partLengths_[r]), headEnd};
            }
        };
        // Parts are reported in the order of their ends, so a record part is
        // known before any field part that starts where it ends.
        recordEnds_.clear();
        parts_.forEachMatch(code, [&](std::size_t part, std::size_t end) {
            if (part < recordCount_) {
                recordEnds_.push_back({end, part});
                consider(part, kNone, end, end);
                return;
            }
            // The record part must end just before the field part, blanks aside.
            std::size_t recordEnd = startOf(code, end, partLengths_[part]);
            while (recordEnd > 0 && isBlank(code[recordEnd - 1])) {
                --recordEnd;
            }
            for (auto it = recordEnds_.rbegin(); it != recordEnds_.rend() && it->end >= recordEnd;
                 ++it) {
                if (it->end == recordEnd) {
                    consider(it->record, part - recordCount_, recordEnd, end);
                }
            }
        });
        return best;
    }

    void take(const Match& match) {
        ++queues_[match.queue].taken;
        --waiting_;
    }

private:
    // The entries of one head, in list order, of which the first `taken`
    // have been written.
    struct Queue {
        std::vector<std::size_t> entries;
        std::size_t taken = 0;
    };
    struct RecordEnd {
        std::size_t end;
        std::size_t record;
    };

    // The number of text among texts, added at the end when it is new.
    static std::size_t numberOf(std::vector<std::string>& texts,
                                std::map<std::string, std::size_t, std::less<>>& numbers,
                                std::string_view text) {
        if (const auto known = numbers.find(text); known != numbers.end()) {
            return known->second;
        }
        numbers.emplace(text, texts.size());
        texts.emplace_back(text);
        return texts.size() - 1;
    }

    // The queue of record part r with field part f (kNone: no field part).
    std::size_t queueIndex(std::size_t r, std::size_t f) const {
        const RecordQueues& record = queuesOf_[r];
        if (f == kNone) {
            return record.bare;
        }
        for (const auto& [field, queue] : record.fields) {
            if (field == f) {
                return queue;
            }
        }
        return kNone;
    }
    Queue& queueOf(std::size_t r, std::size_t f) {
        queuesOf_.resize(std::max(queuesOf_.size(), r + 1));
        std::size_t q = queueIndex(r, f);
        if (q == kNone) {
            q = queues_.size();
            queues_.emplace_back();
            if (f == kNone) {
                queuesOf_[r].bare = q;
            } else {
                queuesOf_[r].fields.emplace_back(f, q);
            }
        }
        return queues_[q];
    }

    std::vector<Queue> queues_;
    // The queues of one record part: of the head that is the record part
    // alone, and of each field part behind it.
    struct RecordQueues {
        std::size_t bare = kNone;
        std::vector<std::pair<std::size_t, std::size_t>> fields;  // field part, queue
    };
    std::vector<RecordQueues> queuesOf_;
    std::size_t recordCount_ = 0;
    std::vector<std::size_t> partLengths_;
    Matcher parts_{{}};
    std::vector<RecordEnd> recordEnds_;  // of the line being searched
    std::size_t waiting_ = 0;
};

bool allBlank(std::string_view text) {
    return text.find_first_not_of(kBlanks) == std::string_view::npos;
}

// Appends the new text of one line to out: the line as it was, or with its
// setting replaced by the first pending entry that matches it (head, value
// text, one blank and the old comment). Returns the list position of the
// entry it took, or kNone.
std::size_t rewriteLine(std::string_view line, PendingHeads& pending, const CodeLineList& codeArray,
                        std::string& out) {
    const std::string_view code = stripComment(line);
    const PendingHeads::Match match = pending.find(code);
    if (match.entry == kNone) {
        out += line;
        return kNone;
    }
    pending.take(match);

    // The setting runs from its head to the first ";" behind the head, or
    // to the end of the code when it has none. Other code on the same line
    // (before the setting or behind its ";") is kept, so a line with two
    // statements does not lose the second one.
    std::size_t end = code.size();
    const std::size_t semi = code.find(';', match.end);
    if (semi != std::string_view::npos) {
        end = semi + 1;
    }
    const std::string_view before = code.substr(0, match.at);
    const std::string_view after = code.substr(end);
    const std::string_view comment = line.substr(code.size());
    const CodeLine& entry = codeArray[match.entry];

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
            out += kLineEnd;
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

// The new bytes of script fileNumber; codeArray is left as it is.
std::string compose(std::string_view bytes, int fileNumber, const CodeLineList& codeArray,
                    const std::string& version) {
    std::string out;
    std::vector<bool> taken(codeArray.size(), false);
    PendingHeads pending(codeArray, fileNumber);
    if (bytes.empty()) {
        out += kLineEnd;  // a file without any line is one empty line
    }
    LineReader lines(bytes);
    for (std::string_view line; lines.next(line);) {
        const std::size_t entry = rewriteLine(line, pending, codeArray, out);
        if (entry != kNone) {
            taken[entry] = true;
        }
        out += kLineEnd;
    }

    // What is left of this script goes to its end, in list order, under one
    // marker block. An emptied commodity entry whose line is gone has nothing
    // to say; appending it would leave an unbalanced "AddCommodity(" behind.
    bool markerWritten = false;
    for (std::size_t i = 0; i < codeArray.size(); ++i) {
        const CodeLine& entry = codeArray[i];
        if (entry.fileNumber != fileNumber || taken[i] || entry.valueText.empty()) {
            continue;
        }
        if (!markerWritten) {
            for (std::string_view part :
                 {kLineEnd, kMarkerRule, kLineEnd, std::string_view("-- Added by TG Edit "),
                  std::string_view(version), kLineEnd, kMarkerRule, kLineEnd, kLineEnd}) {
                out += part;
            }
            markerWritten = true;
        }
        out += entry.head;
        out += entry.valueText;
        out += kLineEnd;
    }
    return out;
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

std::string composeScript(std::string_view bytes, int fileNumber, CodeLineList& codeArray,
                          const std::string& version) {
    std::string out = compose(bytes, fileNumber, codeArray, version);
    dropScriptLines(codeArray, fileNumber);
    return out;
}

void Create_CodeArray(EditorState& state) {
    const SettingsModel& model = state.model;
    CodeLineList lines;
    addChanged(lines, model.EditBlocks, model.Blocks);
    addChanged(lines, model.EditBusinesses, model.Businesses);
    addChanged(lines, model.EditCommodities, model.Commodities);
    if (state.bCityHasChanged) {
        addLines(lines, model.EditTweaks, model.Tweaks, state.bVersionCompatible);
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
    PendingHeads pending(codeArray, fileNumber);
    const std::size_t entry = rewriteLine(line, pending, codeArray, out);
    if (entry != kNone) {
        Remove_CodeLine(codeArray, entry);
    }
    return out;
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
        // When the file cannot be replaced, its lines stay in CodeArray just
        // as for a script whose flag is clear.
        if (FsStatus error =
                fs.writeFileAtomic(path, compose(bytes, f, state.CodeArray, version))) {
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
