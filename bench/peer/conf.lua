-- The peer of the resource budget: a LÖVE 11.4 program drawing the same kind of screen as the
-- game's first one, so the two can be measured side by side (bench/resource_budget.sh --peer).
function love.conf(t)
    t.identity = "velkaros-peer"
    t.version = "11.4"
    t.window.title = "peer"
    t.window.width = 256
    t.window.height = 236
    t.window.vsync = 0 -- the program keeps its own 30 frames a second
    t.modules.audio = false -- the game is measured with --mute
    t.modules.sound = false
    t.modules.physics = false
    t.modules.video = false
    t.modules.touch = false
end
