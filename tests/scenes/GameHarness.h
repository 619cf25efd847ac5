#pragma once

#include <algorithm>
#include <set>
#include <string>

#include "app/InputState.h"
#include "data/DataManager.h"
#include "gfx/DIBImage.h"
#include "platform/KeySource.h"
#include "platform/TextRasterizer.h"
#include "scenes/MainScene.h"
#include "scenes/SceneGlobals.h"
#include "scenes/SceneSet.h"
#include "ui/WindowImages.h"

// Keys held down by the test.
class ScriptedKeys : public KeySource {
public:
    bool isDown(int virtualKey) const override { return down.count(virtualKey) != 0; }
    std::set<int> down;
};

// Draws every text as a solid box of its colour, 4 pixels a byte and 8 high, so a test can
// see where text landed without a font.
class BoxText : public TextRasterizer {
public:
    void drawText(Image& target, const std::string& text, int left, int top, int right, int bottom,
                  Pixel colour) override {
        const int width = static_cast<int>(text.size()) * 4;
        target.fillRect(colour, left, top, std::min(right, left + width), bottom);
    }
};

// The game's objects built in the app's start-up order, without a window: the window images
// (missing files, so windows draw their fills only), the main scene, the registry loaded from
// a fixture script, the scene globals. Frames run as the app runs them.
class GameHarness {
public:
    // fixture: a file name under tests/fixtures/scenes. Seeds the random generator.
    explicit GameHarness(const std::string& fixture, unsigned seed = 1);

    // One frame: clear, poll, update, draw.
    void frame();
    // Key down for one frame, up for the next.
    void press(Button button);
    void press(Button button, int times);

    Scene* current() const { return mainScene.currentScene; }
    SceneSet& scenes() { return *globals.scenes; }
    // The first line on the message window's current page ("" when none).
    std::string messageLine() const;
    std::string optionLine() const;
    // The label under the option window's cursor.
    std::string cursorLabel() const;

    InputState input;
    ScriptedKeys keys;
    BoxText text;
    Font font{&text};
    DIBImage framebuffer{256, 224};
    WindowImages windowImages;
    MainScene mainScene;
    DataManager data;
    SceneGlobals globals{input, data, mainScene};
    bool loaded = false;
};
