#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tg {

// One regenerated setting line waiting to be written: head + valueText is the
// line's canonical text. fileNumber: 0 blocksettings.lua, 1 businesssettings.lua,
// 2 commoditysettings.lua, 3 hub.lua; -1 only in the marker entry.
struct CodeLine {
    std::string head;
    std::int16_t fileNumber = -1;
    std::string valueText;

    bool operator==(const CodeLine&) const = default;
};

// The writer's list of lines. When it has no lines it holds exactly one
// marker entry (fileNumber -1, empty texts), which matches no script.
using CodeLineList = std::vector<CodeLine>;

inline CodeLineList emptyCodeArray() {
    return CodeLineList{CodeLine{}};
}

}  // namespace tg
