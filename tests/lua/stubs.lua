-- The tables the game provides to its settings scripts, just enough to run
-- them outside the game:
--   * an unknown global name stands for itself, so AIRPORT, BREAD and
--     MAINSHOPPING evaluate to the strings "AIRPORT", "BREAD", "MAINSHOPPING";
--   * Block, BusinessInfo and Commodity create a record on first use;
--   * a BusinessInfo record collects its AddCommodity calls in order
--     (record.commodities, entries { name = ..., amount = ... });
--   * a Commodity record keeps the group of its last Membership call
--     (record.membership) and every group named, in order
--     (record.memberships);
--   * Tweaks is a plain table.
--
-- Load it with dofile() before the scripts; it returns nothing.

setmetatable(_G, { __index = function(_, name) return name end })

local function records(methods)
    return setmetatable({}, {
        __index = function(all, code)
            local record = setmetatable({}, { __index = methods })
            rawset(all, code, record)
            return record
        end,
    })
end

local function append(record, key, value)
    local list = rawget(record, key) or {}
    rawset(record, key, list)
    list[#list + 1] = value
end

Block = records({})
BusinessInfo = records({
    AddCommodity = function(self, name, amount)
        append(self, "commodities", { name = name, amount = amount })
    end,
})
Commodity = records({
    Membership = function(self, group)
        rawset(self, "membership", group)
        append(self, "memberships", group)
    end,
})
Tweaks = {}
