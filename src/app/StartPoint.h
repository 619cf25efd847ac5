#pragma once

// Where a battle test begins, numbered as the player counts: ground 1 is the first Enemy of
// the data file, hero 1 its first Player. 0 means not chosen; a hero without a ground means
// the first ground.
struct StartPoint {
    static constexpr int kMaxNumber = 1'000'000;

    int ground = 0;
    int hero = 0;

    bool chosen() const { return ground > 0 || hero > 0; }
    // The index of the battle ground (0 when none was chosen).
    int groundIndex() const { return ground > 0 ? ground - 1 : 0; }

    bool operator==(const StartPoint&) const = default;
};
