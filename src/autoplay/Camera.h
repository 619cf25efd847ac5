#pragma once

class Image;

// Receives the frames worth keeping while an automatic game plays: the AutoPlayer waits at a
// few moments of the first game it plays with a camera and hands over the picture.
class Camera {
public:
    enum class Shot {
        Introduction,   // the first battle ground's enemy is introduced
        HeroSelection,  // the cursor rests on the hero about to be chosen
        ArtAnimation,   // a hero's special art is playing
        MapWalk,        // the marker walks to the next battle ground
        Ending,         // the last line of the ending text
        Count
    };

    virtual ~Camera() = default;
    // True while the shot is still wanted on this battle ground (1 is the first); the player
    // only waits for wanted shots.
    virtual bool wants(Shot shot, int ground) const = 0;
    virtual void shoot(Shot shot, const Image& picture) = 0;
};
