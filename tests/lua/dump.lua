-- Runs the four settings scripts of a folder in Lua (with the game's tables
-- from stubs.lua) and prints every setting the editor knows, one per line,
-- as KIND CODE FIELD VALUE, in the same form as `tgedit-cli show`:
--   kinds block, business, commodity, tweaks; records in slot order (the
--   order of the code tables); fields in the editor's field order; integers in
--   plain decimal, doubles in the shortest form with up to 15 significant
--   digits, flags as true/false, an empty text as "", a commodity entry as
--   NAME:AMOUNT (a free one as :0).
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
local requireAll = args[1] == "--require-all"
if requireAll then
    table.remove(args, 1)
end
if args[1] == nil or args[1] == "" or args[1] == "--help" then
    io.stderr:write("usage: lua5.4 dump.lua [--require-all] SCRIPT_DIR [DATA_DIR]\n")
    os.exit(2)
end
local here = (arg[0]:match("^(.*)/[^/]*$") or ".") .. "/"
local function folder(path)
    return path:sub(-1) == "/" and path or path .. "/"
end
local scriptDir, dataDir = folder(args[1]), folder(args[2] or here .. "../../data")

local function fail(text)
    io.stderr:write("dump.lua: " .. text .. "\n")
    os.exit(1)
end

-- A code table: an identifier per line, leading blanks skipped, "//" and
-- what follows it a comment.
local function codes(name, limit)
    local file, err = io.open(dataDir .. name, "rb")
    if not file then
        fail(err)
    end
    local list = {}
    for line in file:read("a"):gmatch("[^\r\n]+") do
        local code = line:gsub("//.*", ""):match("^ *(.-)$")
        if code ~= "" and #list < limit then
            list[#list + 1] = code
        end
    end
    file:close()
    return list
end
local blockCodes = codes("blk_code.txt", 42)
local businessCodes = codes("biz_code.txt", 45)
local commodityCodes = codes("com_code.txt", 32)

dofile(here .. "stubs.lua")
for _, name in ipairs({ "blocksettings.lua", "businesssettings.lua", "commoditysettings.lua",
                        "hub.lua" }) do
    local chunk, err = loadfile(scriptDir .. name)
    local ok, runErr = pcall(chunk or fail(tostring(err)))
    if not ok then
        fail(name .. ": " .. tostring(runErr))
    end
end

-- Value forms ---------------------------------------------------------------

local function integer(v)
    if math.type(v) == "float" then -- half to even
        local whole = math.floor(v)
        local part = v - whole
        v = (part > 0.5 or (part == 0.5 and whole % 2 == 1)) and whole + 1 or whole
    end
    return string.format("%d", v or 0)
end

local function double(v)
    return (v == nil or v == 0) and "0" or string.format("%.15g", v)
end

local function flag(v)
    if type(v) == "number" then
        return tostring(v ~= 0)
    elseif type(v) == "string" then
        return tostring(v:lower() == "true")
    end
    return tostring(v == true)
end

local function rights(v)
    return tostring(math.type(v) == "integer" and v == 2)
end

local function text(v)
    return (v == nil or v == "") and '""' or v
end

local function entry(e)
    return e and tostring(e.name) .. ":" .. integer(e.amount) or ":0"
end

-- A commodity's group: the last call that names one of the three.
local function membership(record)
    local found
    for _, group in ipairs(rawget(record, "memberships") or {}) do
        for _, name in ipairs({ "MAINSHOPPING", "ENTERTAINMENTSHOPPING", "STAYOVERSHOPPING" }) do
            if type(group) == "string" and group:upper():find(name, 1, true) then
                found = name
            end
        end
    end
    return found
end

-- The records ------------------------------------------------------------------

local kinds = {
    { "block", blockCodes, Block, { { "buildingrights", rights }, { "ownable", flag },
                                    { "prestige", double }, { "value", integer } } },
    { "business", businessCodes, BusinessInfo, {
        { "closingtime", integer }, { "commodities" }, { "density", double },
        { "electricalneed", double }, { "footprintband", integer }, { "gasneed", double },
        { "minarea", integer }, { "minheight", integer }, { "maxarea", integer },
        { "maxheight", integer }, { "maxside", integer }, { "openingtime", integer },
        { "refurbcost", integer }, { "stockcapacity", integer }, { "telecomneed", double },
        { "timeinstore", double }, { "waterneed", double } } },
    { "commodity", commodityCodes, Commodity, { { "markup", double }, { "membership", text },
                                                { "value", double } } },
    { "tweaks", { "Tweaks" }, { Tweaks = Tweaks }, {
        { "blockleaselength", integer }, { "citybusinessesownable", flag },
        { "dailyfreightEASY", integer }, { "dailyfreightHARD", integer },
        { "dailyfreightMEDIUM", integer }, { "daysoff", flag }, { "numyearsin24hours", integer },
        { "railutilincomeEASY", double }, { "railutilincomeHARD", double },
        { "railutilincomeMEDIUM", double } } },
}

local missing = {}
for _, kind in ipairs(kinds) do
    local name, list, records, fields = table.unpack(kind)
    for _, code in ipairs(list) do
        local record = rawget(records, code) or {}
        local function emit(field, value, form)
            if value == nil then
                missing[#missing + 1] = "MISSING " .. name .. " " .. code .. " " .. field
            end
            io.write(name, " ", code, " ", field, " ", form(value), "\n")
        end
        for _, field in ipairs(fields) do
            if field[1] == "commodities" then
                -- A business sells at least one commodity; later free entries are no loss.
                local entries = rawget(record, "commodities") or {}
                for k = 1, 6 do
                    local e = entries[k]
                    if e == nil and k > 1 then
                        e = false
                    end
                    emit("commodity" .. k, e, entry)
                end
            elseif field[1] == "membership" then
                emit("membership", membership(record), text)
            else
                emit(field[1], rawget(record, field[1]), field[2])
            end
        end
    end
end

if requireAll and #missing > 0 then
    io.stderr:write(table.concat(missing, "\n"), "\n")
    os.exit(1)
end
