#include "cli/settings_json.h"

#include <set>
#include <string_view>
#include <vector>

#include "cli/json_text.h"
#include "cli/settings_fields.h"
#include "scripts/numbers.h"

namespace tg::cli {

namespace {

std::string indent(int level) {
    return std::string(static_cast<std::size_t>(level) * 2, ' ');
}

std::string recordKey(const Setting& first, std::set<std::string>& taken) {
    std::string key = first.code;
    if (key.empty() || taken.count(key) != 0) {
        key = "#" + formatInteger(first.slot);
        while (taken.count(key) != 0) {
            key.insert(0, "#");
        }
    }
    taken.insert(key);
    return key;
}

// The fields of one record: settings[begin, end).
void appendRecord(std::string& out, const std::vector<Setting>& settings, std::size_t begin,
                  std::size_t end) {
    out += "{\n";
    bool firstField = true;
    for (std::size_t i = begin; i < end; ++i) {
        const Setting& s = settings[i];
        if (!firstField) {
            out += ",\n";
        }
        firstField = false;
        if (s.type == SettingType::Entry) {
            // The entries stand together, commodity1 to commodity6.
            out += indent(3) + "\"commodities\": [";
            bool firstEntry = true;
            while (i < end && settings[i].type == SettingType::Entry) {
                out += firstEntry ? "\n" : ",\n";
                firstEntry = false;
                out += indent(4) + settings[i].json;
                ++i;
            }
            --i;
            out += "\n" + indent(3) + "]";
            continue;
        }
        out += indent(3);
        appendJsonString(out, s.field);
        out += ": " + s.json;
    }
    out += "\n" + indent(2) + "}";
}

}  // namespace

std::string settingsJson(const SettingsModel& model) {
    const std::vector<Setting> settings = settingsOf(model);
    std::string out = "{";
    std::size_t i = 0;
    bool firstKind = true;
    while (i < settings.size()) {
        const std::string_view kind = settings[i].kind;
        out += firstKind ? "\n" : ",\n";
        firstKind = false;
        out += indent(1);
        appendJsonString(out, kind);
        out += ": {";
        std::set<std::string> taken;
        bool firstRecord = true;
        while (i < settings.size() && settings[i].kind == kind) {
            const std::size_t begin = i;
            while (i < settings.size() && settings[i].kind == kind &&
                   settings[i].slot == settings[begin].slot) {
                ++i;
            }
            out += firstRecord ? "\n" : ",\n";
            firstRecord = false;
            out += indent(2);
            appendJsonString(out, recordKey(settings[begin], taken));
            out += ": ";
            appendRecord(out, settings, begin, i);
        }
        out += "\n" + indent(1) + "}";
    }
    out += "\n}\n";
    return out;
}

}  // namespace tg::cli
