-- Runs the four settings scripts of a folder in Lua (with the game's tables
-- from stubs.lua) and prints every setting the editor knows, one per line,
-- as KIND CODE FIELD VALUE, in the same form as `tgedit-cli show`:
--   kinds block, business, commodity, tweaks; records in slot order (the
--   order of the code tables); fields in the editor's field order; integers in
--   plain decimal, doubles in the shortest form with up to 15 significant
--   digits, flags as true/false, an empty text as "", a commodity entry as
--   NAME:AMOUNT (a free one as :AMOUNT).
--
-- Usage: lua5.4 dump.lua [--require-all] SCRIPT_DIR [DATA_DIR]
--   SCRIPT_DIR holds blocksettings.lua, businesssettings.lua,
--   commoditysettings.lua and hub.lua; DATA_DIR holds the code tables
--   (default: the data folder of the source tree). A setting that the
--   scripts do not set prints as zero, false or empty; with --require-all
--   each such setting is also named on standard error (as MISSING KIND CODE
--   FIELD) and the exit status is 1. A business must sell at least one
--   commodity; its free entries after the last one are not missing.

local args = { ... }
local requireAll = false
if args[1] == "--require-all" then
    requireAll = true
    table.remove(args, 1)
end
local scriptDir = args[1]
if scriptDir == nil or scriptDir == "" or scriptDir == "--help" then
    io.stderr:write("usage: lua5.4 dump.lua [--require-all] SCRIPT_DIR [DATA_DIR]\n")
    os.exit(2)
end
if scriptDir:sub(-1) ~= "/" then
    scriptDir = scriptDir .. "/"
end

local here = (arg[0]:match("^(.*)/[^/]*$") or ".") .. "/"
local dataDir = args[2] or (here .. "../../data")
if dataDir:sub(-1) ~= "/" then
    dataDir = dataDir .. "/"
end

-- Everything below runs before the stubs make unknown globals evaluate to
-- their own names, so keep what we use in locals.
local format, floor, mathType = string.format, math.floor, math.type
local write, exit, stderr = io.write, os.exit, io.stderr

local function fail(text)
    stderr:write("dump.lua: " .. text .. "\n")
    exit(1)
end

local function readWhole(path)
    local file, err = io.open(path, "rb")
    if not file then
        fail(err)
    end
    local bytes = file:read("a")
    file:close()
    return bytes
end

-- A code table: fields separated by commas or line ends, leading blanks
-- skipped, a quoted field may hold commas; a field starting with "//" is a
-- comment, and "//" inside a field cuts it. Empty fields store nothing.
local function readCodeTable(name, limit)
    local bytes = readWhole(dataDir .. name)
    local entries = {}
    local pos, len = 1, #bytes
    while pos <= len and #entries < limit do
        while pos <= len and bytes:sub(pos, pos) == " " do
            pos = pos + 1
        end
        local field
        if bytes:sub(pos, pos) == '"' then
            local close = bytes:find('"', pos + 1, true) or (len + 1)
            field = bytes:sub(pos + 1, close - 1)
            pos = close + 1
            local stop = bytes:find("[,\r\n]", pos) or (len + 1)
            pos = stop
        else
            local stop = bytes:find("[,\r\n]", pos) or (len + 1)
            field = bytes:sub(pos, stop - 1)
            pos = stop
        end
        -- Step over one separator (CR LF counts as one).
        if bytes:sub(pos, pos + 1) == "\r\n" then
            pos = pos + 2
        else
            pos = pos + 1
        end
        if field ~= "" and field:sub(1, 2) ~= "//" then
            local cut = field:find("//", 1, true)
            if cut then
                field = field:sub(1, cut - 1)
            end
            entries[#entries + 1] = field
        end
    end
    return entries
end

local blockCodes = readCodeTable("blk_code.txt", 42)
local businessCodes = readCodeTable("biz_code.txt", 45)
local commodityCodes = readCodeTable("com_code.txt", 32)

dofile(here .. "stubs.lua")
for _, name in ipairs({ "blocksettings.lua", "businesssettings.lua", "commoditysettings.lua",
                        "hub.lua" }) do
    local chunk, err = loadfile(scriptDir .. name)
    if not chunk then
        fail(err)
    end
    local ok, runErr = pcall(chunk)
    if not ok then
        fail(name .. ": " .. tostring(runErr))
    end
end

-- Value forms ---------------------------------------------------------------

local function roundHalfEven(x)
    local f = floor(x)
    local diff = x - f
    if diff > 0.5 then
        return f + 1
    elseif diff < 0.5 then
        return f
    elseif f % 2 == 0 then
        return f
    else
        return f + 1
    end
end

local function integerForm(v)
    if v == nil then
        return "0"
    end
    if mathType(v) == "float" then
        v = roundHalfEven(v)
    end
    return format("%d", v)
end

local function doubleForm(v)
    if v == nil or v == 0 then
        return "0"
    end
    return format("%.15g", v)
end

local function flagForm(v)
    if type(v) == "boolean" then
        return tostring(v)
    elseif type(v) == "number" then
        return tostring(v ~= 0)
    elseif type(v) == "string" then
        return tostring(v:lower() == "true")
    end
    return "false"
end

local function rightsForm(v)
    return tostring(mathType(v) == "integer" and v == 2)
end

local function textForm(v)
    if v == nil or v == "" then
        return '""'
    end
    return v
end

local function membershipOf(group)
    if type(group) ~= "string" then
        return nil
    end
    local upper = group:upper()
    for _, name in ipairs({ "MAINSHOPPING", "ENTERTAINMENTSHOPPING", "STAYOVERSHOPPING" }) do
        if upper:find(name, 1, true) then
            return name
        end
    end
    return nil
end

local function emit(kind, code, field, value)
    write(kind, " ", code, " ", field, " ", value, "\n")
end

local missing = {}
local function need(kind, code, field, value)
    if value == nil then
        missing[#missing + 1] = "MISSING " .. kind .. " " .. code .. " " .. field
    end
    return value
end

-- The records -----------------------------------------------------------------

for _, code in ipairs(blockCodes) do
    local b = rawget(Block, code) or {}
    local function get(field)
        return need("block", code, field, b[field])
    end
    emit("block", code, "buildingrights", rightsForm(get("buildingrights")))
    emit("block", code, "ownable", flagForm(get("ownable")))
    emit("block", code, "prestige", doubleForm(get("prestige")))
    emit("block", code, "value", integerForm(get("value")))
end

local function integerFields(kind, code, r, fields)
    for _, field in ipairs(fields) do
        emit(kind, code, field, integerForm(need(kind, code, field, rawget(r, field))))
    end
end

local function doubleFields(kind, code, r, fields)
    for _, field in ipairs(fields) do
        emit(kind, code, field, doubleForm(need(kind, code, field, rawget(r, field))))
    end
end

for _, code in ipairs(businessCodes) do
    local r = rawget(BusinessInfo, code) or {}
    integerFields("business", code, r, { "closingtime" })
    local list = rawget(r, "commodities") or {}
    need("business", code, "commodity1", list[1])
    for k = 1, 6 do
        local entry = list[k]
        if entry then
            emit("business", code, "commodity" .. k,
                 tostring(entry.name) .. ":" .. integerForm(entry.amount))
        else
            emit("business", code, "commodity" .. k, ":0")
        end
    end
    doubleFields("business", code, r, { "density", "electricalneed" })
    integerFields("business", code, r, { "footprintband" })
    doubleFields("business", code, r, { "gasneed" })
    integerFields("business", code, r, { "minarea", "minheight", "maxarea", "maxheight",
                                         "maxside", "openingtime", "refurbcost",
                                         "stockcapacity" })
    doubleFields("business", code, r, { "telecomneed", "timeinstore", "waterneed" })
end

for _, code in ipairs(commodityCodes) do
    local r = rawget(Commodity, code) or {}
    doubleFields("commodity", code, r, { "markup" })
    -- A call that names no known group keeps the group named before it.
    local membership = nil
    for _, group in ipairs(rawget(r, "memberships") or {}) do
        membership = membershipOf(group) or membership
    end
    emit("commodity", code, "membership",
         textForm(need("commodity", code, "membership", membership)))
    doubleFields("commodity", code, r, { "value" })
end

local t = Tweaks
local function tweakFlag(field)
    emit("tweaks", "Tweaks", field, flagForm(need("tweaks", "Tweaks", field, rawget(t, field))))
end
integerFields("tweaks", "Tweaks", t, { "blockleaselength" })
tweakFlag("citybusinessesownable")
integerFields("tweaks", "Tweaks", t, { "dailyfreightEASY", "dailyfreightHARD",
                                       "dailyfreightMEDIUM" })
tweakFlag("daysoff")
integerFields("tweaks", "Tweaks", t, { "numyearsin24hours" })
doubleFields("tweaks", "Tweaks", t, { "railutilincomeEASY", "railutilincomeHARD",
                                      "railutilincomeMEDIUM" })

if requireAll and #missing > 0 then
    stderr:write(table.concat(missing, "\n"), "\n")
    exit(1)
end
