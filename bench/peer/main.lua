-- The same kind of screen as the game's first one, drawn every frame at 30 frames a second:
-- a menu strip, a background, framed windows built from 8 x 8 tiles, a picture of the enemy,
-- a map picture with a track and a marker, and lines of text. Every picture is made here at
-- start, pixel by pixel, into one atlas, so that LÖVE batches the draws of a frame as a
-- program written for speed would.

local period = 1 / 30
local atlas
local quads = {}
local frame = 0

-- Paints the w x h block at (left, top) of data with f(x, y) -> r, g, b, a (0 to 1).
local function paint(data, left, top, w, h, f)
    for y = 0, h - 1 do
        for x = 0, w - 1 do
            data:setPixel(left + x, top + y, f(x, y))
        end
    end
end

local function region(name, left, top, w, h)
    quads[name] = love.graphics.newQuad(left, top, w, h, 256, 144)
end

function love.load()
    local data = love.image.newImageData(256, 144)
    paint(data, 0, 0, 256, 64, function(x, y)
        return 0.15 + y / 400, 0.1 + x / 2000, 0.35 - y / 400, 1
    end)
    region("map", 0, 0, 256, 64)
    paint(data, 0, 64, 96, 64, function(x, y)
        local dx, dy = (x - 48) / 30, (y - 36) / 26
        if dx * dx + dy * dy > 1 then return 0, 0, 0, 0 end
        return 0.2, 0.5 + y / 256, 0.95, 1
    end)
    region("enemy", 0, 64, 96, 64)
    for i = 0, 7 do
        paint(data, i * 8, 128, 8, 8, function(x, y)
            local edge = (x == 0 or y == 0 or x == 7 or y == 7) and 1 or 0.55
            return edge * 0.9, edge * (0.5 + i / 40), edge * 0.4, 1
        end)
        region("tile" .. i, i * 8, 128, 8, 8)
    end
    paint(data, 64, 128, 8, 8, function(x, y)
        local dx, dy = x - 3.5, y - 3.5
        return 1, 0.85, 0.2, (dx * dx + dy * dy <= 12) and 1 or 0
    end)
    region("circle", 64, 128, 8, 8)
    paint(data, 72, 128, 8, 16, function(x, y)
        return 0.9, 0.4, 0.2, (x + y) % 5 == 0 and 0 or 1
    end)
    region("marker", 72, 128, 8, 16)
    paint(data, 80, 128, 1, 1, function() return 1, 1, 1, 1 end)
    region("white", 80, 128, 1, 1)
    atlas = love.graphics.newImage(data)
    atlas:setFilter("nearest", "nearest")
end

-- A filled rectangle drawn from the atlas, so it joins the batch.
local function box(left, top, w, h, r, g, b)
    love.graphics.setColor(r, g, b)
    love.graphics.draw(atlas, quads.white, left, top, 0, w, h)
    love.graphics.setColor(1, 1, 1)
end

-- A window: a frame of tiles around a filled inside.
local function window(left, top, right, bottom)
    for x = left, right - 8, 8 do
        love.graphics.draw(atlas, quads.tile1, x, top)
        love.graphics.draw(atlas, quads.tile6, x, bottom - 8)
    end
    for y = top, bottom - 8, 8 do
        love.graphics.draw(atlas, quads.tile3, left, y)
        love.graphics.draw(atlas, quads.tile4, right - 8, y)
    end
    box(left + 8, top + 8, right - left - 16, bottom - top - 16, 0.98, 0.85, 0.78)
end

function love.draw()
    frame = frame + 1
    love.graphics.clear(0.45, 0.65, 0.15)
    box(0, 0, 256, 12, 0.94, 0.94, 0.94)
    love.graphics.translate(0, 12)
    love.graphics.draw(atlas, quads.enemy, 80, 0)
    window(176, 8, 240, 32)
    window(16, 56, 240, 88)
    love.graphics.draw(atlas, quads.map, 0, 88)
    box(24, 138, 192, 2, 0.75, 0.25, 0.25)
    for i = 0, 6 do love.graphics.draw(atlas, quads.circle, 16 + i * 32, 135) end
    love.graphics.draw(atlas, quads.marker, 12, 124 + (frame % 60 < 30 and 0 or 1))
    window(72, 152, 240, 224)
    love.graphics.setColor(0, 0, 0)
    love.graphics.print("Fururin", 184, 12)
    love.graphics.print("Battle ground 1", 28, 64)
    love.graphics.setColor(1, 1, 1)
end

function love.run()
    love.load()
    local due = love.timer.getTime()
    return function()
        love.event.pump()
        for name in love.event.poll() do
            if name == "quit" then return 0 end
        end
        love.graphics.origin()
        love.draw()
        love.graphics.present()
        -- One sleep until the next frame is due.
        due = due + period
        local now = love.timer.getTime()
        if due > now then love.timer.sleep(due - now) else due = now end
    end
end
