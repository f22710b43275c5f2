-- The built-in manual's pictures: a picture wider than the page is given a
-- width the page holds (the browser keeps its proportions), read from the
-- PNG file's header.
local widest = 640

local function pngWidth(path)
  local file = io.open(path, "rb")
  if not file then return nil end
  local header = file:read(24)
  file:close()
  if not header or #header < 24 or header:sub(2, 4) ~= "PNG" then return nil end
  return string.unpack(">I4", header, 17)
end

function Image(el)
  local source = PANDOC_STATE.input_files[1] or ""
  local folder = source:match("^(.*)/[^/]*$") or "."
  local width = pngWidth(folder .. "/" .. el.src)
  if width and width > widest then
    el.attributes["width"] = tostring(widest)
  end
  return el
end
