#pragma once

#include <memory>

#include "ui/AnimationWindow.h"

class KeyColorImage;

// The map of the battle grounds: an animation window that also draws the progress track (a
// stage point per battle ground along the bottom, the goal at the top right, the tracks
// between them) and a marker that walks towards the stage set by setStage. Positions of the
// marker and its target are offsets from the window's top-left corner.
//
// The number of battle grounds is read from the registry on first use and kept for the rest
// of the run; the four track pictures are loaded on the first draw.
class BackgroundWindow : public AnimationWindow {
public:
    // The track pictures: the marker's two walking frames, a stage point, the goal.
    static constexpr const char* kTrackFiles[4] = {"image\\player1.png", "image\\player2.png",
                                                   "image\\circle.png", "image\\goal.png"};

    BackgroundWindow(int left, int top, int right, int bottom, int marginLeft, int marginTop,
                     int marginRight, int marginBottom, Pixel backColor);
    ~BackgroundWindow() override;

    void draw(DIBImage& target) override;
    // Sends the marker to battle ground index, or to the goal for an index out of range.
    void setStage(int index);
    bool arrived() const { return markerX == targetX && markerY == targetY; }

    // Fixes the number of battle grounds instead of asking the registry (tools and tests).
    void setBattleGroundCount(int count);
    // Spacing of the stage points and the goal column, once the count is known.
    int stageSpacing();
    int goalColumn();
    // 0 or 1: which walking frame the marker shows.
    int markerFrame() const { return markerFrame_; }
    // One movement step of the marker (normally run by draw).
    void stepMarker();

    int targetX = 4;
    int targetY = 44;
    int markerX = 4;
    int markerY = 44;
    int markerStep = 2;
    // Frames skipped between movement steps.
    int moveInterval = 1;

private:
    void ensureGeometry();
    void loadTrackImages();
    // Moves one coordinate towards its target; true when that counted as a move.
    bool stepAxis(int& position, int target) const;

    bool geometryKnown_ = false;
    int groundCount_ = 0;
    int spacing_ = 0;
    int goal_ = 8;

    int frameCounter_ = 0;
    int walkCounter_ = 0;
    int markerFrame_ = 0;

    std::unique_ptr<KeyColorImage> walk1_;
    std::unique_ptr<KeyColorImage> walk2_;
    std::unique_ptr<KeyColorImage> circle_;
    std::unique_ptr<KeyColorImage> goalImage_;
};
