-- seen.lua: remembers when each user was last seen and what they did, across
-- restarts. "!seen NAME" in the channel or in a whisper tells it.

local function remember(user, what)
  verdo.store(user:lower(), verdo.time() .. "\t" .. verdo.channel() .. "\t" .. what)
end

local function ago(seconds)
  if seconds < 60 then return "just now" end
  local units = { { 86400, "day" }, { 3600, "hour" }, { 60, "minute" } }
  for _, unit in ipairs(units) do
    local count = seconds // unit[1]
    if count >= 1 then
      return count .. " " .. unit[2] .. (count == 1 and "" or "s") .. " ago"
    end
  end
end

local function report(name)
  name = name and name:match("^%s*(%S+)") or nil
  if not name then return "Usage: !seen NAME" end
  if name:lower() == verdo.me():lower() then return "I am right here." end
  for _, user in ipairs(verdo.users()) do
    if user.name:lower() == name:lower() then return name .. " is here now." end
  end
  local record = verdo.fetch(name:lower())
  if not record then return "I have not seen " .. name .. "." end
  local when, channel, what = record:match("^(%d+)\t([^\t]*)\t(.*)$")
  if not when then return "I have not seen " .. name .. "." end
  return name .. " was last seen " .. ago(verdo.time() - tonumber(when)) .. " in " .. channel
    .. ", " .. what .. "."
end

verdo.on("talk", function(user, text)
  remember(user, "saying: " .. text)
  local name = text:match("^!seen%s+(.*)$")
  if name then
    verdo.say(report(name))
    return true
  end
end)
verdo.on("emote", function(user, text) remember(user, "emoting: " .. text) end)
verdo.on("join", function(user) remember(user, "joining") end)
verdo.on("leave", function(user) remember(user, "leaving") end)

verdo.command("!seen", "any", function(user, parameter) return report(parameter) end)
