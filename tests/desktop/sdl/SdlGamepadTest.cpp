// The desktop key source with a gamepad, driven through SDL's virtual joystick: plugging in,
// the mapping of buttons and stick to the game's keys, the keyboard's press rules, the focus
// and pulling the pad out again.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include "app/InputState.h"
#include "platform/sdl/SdlGamepad.h"
#include "platform/sdl/SdlKeySource.h"

namespace {

constexpr int kUp = 0x26;
constexpr int kLeft = 0x25;
constexpr int kSpace = 0x20;
constexpr int kShift = 0x10;

class SdlGamepadTest : public ::testing::Test {
protected:
    void SetUp() override {
        // No window, no sound: only the joystick machinery, and no real pads of the machine.
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
        SDL_SetHint("SDL_JOYSTICK_LINUX_CLASSIC", "0");
        ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0) << SDL_GetError();
        ASSERT_TRUE(gamepad.start()) << SDL_GetError();
        pump();
        // A real pad of the machine may be plugged in; the counts below are on top of it.
        realPads = gamepad.padCount();
        keys.setGamepad(&gamepad);
    }
    void TearDown() override {
        if (joystick != nullptr) {
            SDL_JoystickClose(joystick);
        }
        gamepad.stop();
        SDL_Quit();
    }

    // Handles what SDL has queued, as the shell's event loop does.
    void pump() {
        SDL_PumpEvents();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            gamepad.handleEvent(event);
        }
    }

    // Plugs in a virtual pad laid out as SDL's standard controller.
    void plugIn() {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        device = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(device, 0) << SDL_GetError();
        joystick = SDL_JoystickOpen(device);
        ASSERT_NE(joystick, nullptr) << SDL_GetError();
        pump();
    }

    void setButton(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
        pump();
    }
    void setAxis(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick, axis, value);
        pump();
    }

    SdlGamepad gamepad;
    SdlKeySource keys;
    SDL_Joystick* joystick = nullptr;
    int device = -1;
    int realPads = 0;
};

}  // namespace

TEST_F(SdlGamepadTest, PadButtonsFollowTheKeyboardRules) {
    plugIn();
    ASSERT_EQ(gamepad.padCount(), realPads + 1);

    InputState input;
    setButton(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(keys.isDown(kSpace));
    EXPECT_FALSE(keys.isDown(kShift));
    for (int frame = 1; frame <= 3; ++frame) {
        keys.refresh();
        input.poll(keys);
        EXPECT_EQ(input.isPressed(ButtonDecide), frame == 1) << "frame " << frame;
    }
    setButton(SDL_CONTROLLER_BUTTON_A, false);
    input.poll(keys);
    EXPECT_EQ(input.heldFrames[ButtonDecide], 0);

    setButton(SDL_CONTROLLER_BUTTON_B, true);
    EXPECT_TRUE(keys.isDown(kShift));
    setButton(SDL_CONTROLLER_BUTTON_B, false);

    setButton(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    EXPECT_TRUE(keys.isDown(kUp));
    setButton(SDL_CONTROLLER_BUTTON_DPAD_UP, false);

    setAxis(SDL_CONTROLLER_AXIS_LEFTX, -20000);
    EXPECT_TRUE(keys.isDown(kLeft));
    setAxis(SDL_CONTROLLER_AXIS_LEFTX, -8000);  // inside the dead zone
    EXPECT_FALSE(keys.isDown(kLeft));
}

TEST_F(SdlGamepadTest, FocusLossReleasesThePadUntilLetGo) {
    plugIn();
    setButton(SDL_CONTROLLER_BUTTON_A, true);
    keys.setFocused(false);
    EXPECT_FALSE(keys.isDown(kSpace));

    // Back in focus with the button still held: it stays up until released once.
    keys.setFocused(true);
    keys.holdUntilReleased();
    keys.refresh();
    EXPECT_FALSE(keys.isDown(kSpace));
    setButton(SDL_CONTROLLER_BUTTON_A, false);
    keys.refresh();
    setButton(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(keys.isDown(kSpace));
}

TEST_F(SdlGamepadTest, PullingThePadOutLetsGoOfItsButtons) {
    plugIn();
    setButton(SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_TRUE(keys.isDown(kSpace));
    SDL_JoystickClose(joystick);
    joystick = nullptr;
    ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0) << SDL_GetError();
    pump();
    EXPECT_EQ(gamepad.padCount(), realPads);
    EXPECT_FALSE(keys.isDown(kSpace));

    // Plugged in again, it works again.
    plugIn();
    EXPECT_EQ(gamepad.padCount(), realPads + 1);
    setButton(SDL_CONTROLLER_BUTTON_B, true);
    EXPECT_TRUE(keys.isDown(kShift));
}
