#pragma once

#include <cstdint>

class Scene;

// One row of the scene transition table: when `from` finishes with `result`, `to` begins.
// A table ends with a row whose `from` is null.
struct SceneTransition {
    Scene* from = nullptr;
    std::int32_t result = 0;
    Scene* to = nullptr;
};
