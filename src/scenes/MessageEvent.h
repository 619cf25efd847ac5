#pragma once

#include <string>

#include "scenes/Event.h"

struct SceneGlobals;

// One line in the message window, waiting for the decide button: the first step shows the
// text, the second ends the event.
class MessageEvent : public Event {
public:
    MessageEvent(SceneGlobals& globals, std::string text) : text(std::move(text)), g_(globals) {}
    void step() override;

    const std::string text;  // Shift-JIS

private:
    SceneGlobals& g_;
};
