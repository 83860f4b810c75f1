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

setmetatable(_G, {
    __index = function(_, name)
        return name
    end,
})

local function autoRecords(recordMeta)
    return setmetatable({}, {
        __index = function(records, code)
            local record = setmetatable({}, recordMeta)
            rawset(records, code, record)
            return record
        end,
    })
end

local BusinessMethods = {}
BusinessMethods.__index = BusinessMethods

function BusinessMethods.AddCommodity(self, name, amount)
    local list = rawget(self, "commodities")
    if list == nil then
        list = {}
        rawset(self, "commodities", list)
    end
    list[#list + 1] = { name = name, amount = amount }
end

local CommodityMethods = {}
CommodityMethods.__index = CommodityMethods

function CommodityMethods.Membership(self, group)
    rawset(self, "membership", group)
    local list = rawget(self, "memberships")
    if list == nil then
        list = {}
        rawset(self, "memberships", list)
    end
    list[#list + 1] = group
end

Block = autoRecords({})
BusinessInfo = autoRecords(BusinessMethods)
Commodity = autoRecords(CommodityMethods)
Tweaks = {}
