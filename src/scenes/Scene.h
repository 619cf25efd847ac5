#pragma once

#include <cstdint>

// One step of the game's flow. A scene never draws: it only changes what the main scene's
// shared windows show. The main scene begins it when it becomes current and updates it once
// per frame; the scene reports its outcome through result and finished, and the transition
// table picks the next scene from that.
class Scene {
public:
    virtual ~Scene() = default;
    virtual void begin() = 0;
    virtual void update() = 0;

    std::int32_t result = 0;
    bool finished = false;

protected:
    void finish(std::int32_t outcome) {
        result = outcome;
        finished = true;
    }
};
