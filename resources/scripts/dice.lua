-- dice.lua: rolls dice for whoever asks, in the channel ("!roll 2d6") or in
-- a whisper to the bot (the result is whispered back).
-- "!roll" alone rolls one six-sided die; at most 20 dice of 2 to 1000 sides.

local function roll(notation)
  notation = notation or ""
  local count, sides = notation:match("^%s*(%d*)[dD](%d+)%s*$")
  if not count then
    if notation:match("^%s*$") then
      count, sides = "1", "6"
    else
      return nil
    end
  end
  count = tonumber(count) or 1
  if count == 0 then count = 1 end
  sides = tonumber(sides)
  if count > 20 or sides < 2 or sides > 1000 then return nil end
  local rolls, total = {}, 0
  for i = 1, count do
    local value = math.random(sides)
    rolls[i] = tostring(value)
    total = total + value
  end
  local text = count .. "d" .. sides .. ": " .. table.concat(rolls, " + ")
  if count > 1 then text = text .. " = " .. total end
  return text
end

local usage = "Usage: !roll NdM, for example !roll 2d6 (at most 20 dice of 2 to 1000 sides)"

verdo.on("talk", function(user, text)
  local notation = text == "!roll" and "" or text:match("^!roll%s+(.*)$")
  if not notation then return false end
  local result = roll(notation)
  if result then
    verdo.say(user .. " rolls " .. result)
  else
    verdo.whisper(user, usage)
  end
  return true
end)

verdo.command("!roll", "any", function(user, parameter)
  return roll(parameter) or usage
end)
