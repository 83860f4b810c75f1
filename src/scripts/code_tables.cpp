#include "scripts/code_tables.h"

#include <algorithm>
#include <span>
#include <vector>

#include "fs/file_system.h"
#include "scripts/text_ops.h"

namespace tg {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Skips one field separator at pos: a comma, a carriage return, a carriage
// return followed by a line feed, or a line feed alone.
std::size_t skipSeparator(std::string_view bytes, std::size_t pos) {
    if (pos >= bytes.size()) {
        return pos;
    }
    if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') {
        return pos + 2;
    }
    return pos + 1;
}

std::size_t nextSeparator(std::string_view bytes, std::size_t pos) {
    while (pos < bytes.size() && bytes[pos] != ',' && !isLineEnd(bytes[pos])) {
        ++pos;
    }
    return pos;
}

}  // namespace

std::vector<std::string> splitCodeTableFields(std::string_view bytes) {
    // A table saved by a Windows editor may start with a UTF-8 byte-order
    // mark; it is not part of the first entry.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }

    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        while (pos < bytes.size() && bytes[pos] == ' ') {
            ++pos;
        }
        if (pos < bytes.size() && bytes[pos] == '"') {
            // A quoted field may hold commas; it ends at the closing quote, or
            // at the line end when the quote is never closed, so one stray
            // quote cannot swallow the rest of the table. Anything between the
            // closing quote and the next separator is dropped.
            const std::size_t open = pos + 1;
            std::size_t close = open;
            while (close < bytes.size() && bytes[close] != '"' && !isLineEnd(bytes[close])) {
                ++close;
            }
            fields.emplace_back(bytes.substr(open, close - open));
            pos = nextSeparator(bytes, close);
        } else {
            const std::size_t end = nextSeparator(bytes, pos);
            fields.emplace_back(bytes.substr(pos, end - pos));
            pos = end;
        }
        pos = skipSeparator(bytes, pos);
    }
    return fields;
}

namespace {

// Where the entries of a table go: the records of one array of the loaded
// set and the field of each record that receives them.
struct TableTarget {
    std::span<BlockRecord> blocks;
    std::span<BusinessRecord> businesses;
    std::span<CommodityRecord> commodities;
    bool code = false;

    std::size_t size() const { return blocks.size() + businesses.size() + commodities.size(); }

    void store(std::size_t index, std::string text) const {
        if (!blocks.empty()) {
            (code ? blocks[index].code : blocks[index].displayName) = std::move(text);
        } else if (!businesses.empty()) {
            (code ? businesses[index].code : businesses[index].displayName) = std::move(text);
        } else if (!commodities.empty()) {
            (code ? commodities[index].code : commodities[index].displayName) = std::move(text);
        }
    }
};

// The target of a table, chosen by its file name compared exactly; nothing
// for any other name.
std::optional<TableTarget> targetOf(std::string_view fileName, SettingsModel& model) {
    TableTarget target;
    if (fileName == "blk_code.txt" || fileName == "blk_usa.txt") {
        target.blocks = model.Blocks;
    } else if (fileName == "biz_code.txt" || fileName == "biz_usa.txt") {
        target.businesses = model.Businesses;
    } else if (fileName == "com_code.txt" || fileName == "com_usa.txt") {
        target.commodities = model.Commodities;
    } else {
        return std::nullopt;
    }
    target.code = fileName.ends_with("_code.txt");
    return target;
}

}  // namespace

std::optional<Notice> readCodeTable(FileSystem& fs, const std::string& appPath,
                                    std::string_view fileName, int rowLimit, SettingsModel& model) {
    const std::string path = appPath + std::string(fileName);
    std::string bytes;
    if (auto error = fs.readFile(path, bytes)) {
        return Notice{kTitleTGEdit, "Cannot read the code table " + path + ": " + error->reason};
    }
    const auto target = targetOf(fileName, model);
    if (!target) {
        return std::nullopt;
    }
    // The limit never reaches past the array, whatever the caller asks for.
    const std::size_t limit =
        rowLimit <= 0 ? 0 : std::min(static_cast<std::size_t>(rowLimit), target->size());

    std::size_t stored = 0;
    for (std::string& field : splitCodeTableFields(bytes)) {
        if (field.empty()) {
            continue;
        }
        if (stored >= limit) {
            break;
        }
        if (field.starts_with("//")) {
            continue;
        }
        if (const auto comment = field.find("//"); comment != std::string::npos) {
            field.resize(comment);
        }
        target->store(stored, std::move(field));
        ++stored;
    }
    return std::nullopt;
}

bool Match_CodeLine(const SettingsModel& model, std::string_view line, int slot,
                    std::string_view key, int kind) {
    if (kind == 2) {
        return true;
    }
    if (slot < 0) {
        return false;
    }
    const auto index = static_cast<std::size_t>(slot);
    std::string_view code;
    switch (kind) {
        case 0:
            if (index >= model.Blocks.size()) {
                return false;
            }
            code = model.Blocks[index].code;
            break;
        case 1:
            if (index >= model.Businesses.size()) {
                return false;
            }
            code = model.Businesses[index].code;
            break;
        case 3:
            if (index >= model.Commodities.size()) {
                return false;
            }
            code = model.Commodities[index].code;
            break;
        default:
            return false;
    }
    return StrComesFirst(line, code, key, kCompareIgnoreCase, 1);
}

}  // namespace tg
