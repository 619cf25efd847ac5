#include "scenes/Event.h"

#include <utility>

std::vector<std::unique_ptr<Event>> Event::takeFollowUps() {
    std::vector<std::unique_ptr<Event>> taken = std::move(followUps);
    followUps.clear();
    return taken;
}
