#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// One step of a battle turn as the player reads it. step() is called once when the event
// reaches the front of the event queue and then once per press of the decide button; when
// isDone() reports true the battle scene moves the followUps to the back of the queue and
// destroys the event. Until then the event owns its followUps.
class Event {
public:
    virtual ~Event() = default;
    virtual void step() = 0;
    virtual bool isDone() const { return done; }

    // Hands the follow-up events over to the caller, leaving this event without any.
    std::vector<std::unique_ptr<Event>> takeFollowUps();

    std::int32_t stage = 0;
    bool done = false;
    std::vector<std::unique_ptr<Event>> followUps;
};
