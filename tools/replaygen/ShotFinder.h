#pragma once

#include <string>
#include <vector>

#include "app/Replay.h"

// One picture worth keeping from a replay: the frame after which it is taken, and its name.
struct Shot {
    int frame = 0;
    std::string name;
};

// What a replay shows, frame by frame: it is played through the real game (without text, which
// changes nothing the scenes decide) and the frames of the moments the goldens keep are found
// from the scenes and the message window.
class ShotFinder {
public:
    enum class SceneKind {
        None,
        Start,
        StartSelect,
        Select,
        Confirm,
        BattleStart,
        Command,
        Demo,
        Win,
        End,
        GameOver
    };

    struct View {
        SceneKind scene = SceneKind::None;
        std::string message;  // the message window's lines, joined
        bool heroAnimating = false;
    };

    // Plays the replay in the game folder of the working directory. False with a message when
    // the data file does not load.
    bool play(const Replay& replay, std::string& error);

    const std::vector<View>& views() const { return views_; }
    // The first frame (from 1) showing the scene, 0 when none does.
    int firstFrameOf(SceneKind scene, int from = 1) const;
    // The first frame whose message holds the text, 0 when none does.
    int firstFrameSaying(const std::string& text, int from = 1) const;
    // The first frame showing a battle's last line (someone falls): of the first battle that
    // ends, or of the last one.
    int defeatLineFrame(bool lastBattle) const;
    // The last frame before the next key goes down after frame, so the picture has settled.
    int settled(const Replay& replay, int frame) const;

private:
    const View& at(int frame) const { return views_[static_cast<std::size_t>(frame - 1)]; }

    std::vector<View> views_;
};
