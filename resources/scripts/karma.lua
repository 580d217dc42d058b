-- karma.lua: "NAME++" and "NAME--" in the channel give or take one point of
-- karma; "!karma NAME" tells the score. Nobody changes their own karma.

local function score(name)
  return verdo.fetch("karma:" .. name:lower()) or 0
end

local function tell(name)
  name = name and name:match("^%s*(%S+)") or nil
  if not name then return "Usage: !karma NAME" end
  return name .. " has karma " .. score(name) .. "."
end

verdo.on("talk", function(user, text)
  local name, change = text:match("^%s*(%S-)([%+%-])%2%s*$")
  if name and name ~= "" then
    if name:lower() == user:lower() then
      verdo.whisper(user, "You cannot change your own karma.")
    else
      verdo.store("karma:" .. name:lower(), score(name) + (change == "+" and 1 or -1))
    end
    return true
  end
  local asked = text:match("^!karma%s+(.*)$")
  if asked then
    verdo.say(tell(asked))
    return true
  end
end)

verdo.command("!karma", "any", function(user, parameter) return tell(parameter) end)
