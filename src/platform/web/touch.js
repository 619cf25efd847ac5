// The on-screen controls: a d-pad and the Decide and Cancel buttons, for a touch screen. They
// show when the page is used by touch (a coarse pointer, or the first touch) and hide while a
// keyboard, mouse or gamepad is used. Each finger holds the button under it down as a held key
// would be (the game sees it at its poll); a finger that slides moves its press to the button
// it reaches; two fingers are two buttons. The first touch also starts the sound.
"use strict";
(function () {
  // The virtual-key codes the game reads for each button.
  const keys = { up: 0x26, down: 0x28, left: 0x25, right: 0x27, decide: 0x20, cancel: 0x10 };
  const controls = document.getElementById("touch");
  const note = document.querySelector("#note span");
  // Fingers that came down on the controls, by identifier: the button each is on (or null).
  const fingers = new Map();
  let held = new Set();

  function show(touch) {
    if (document.body.classList.contains("touch") === touch) {
      return;
    }
    document.body.classList.toggle("touch", touch);
    note.textContent = touch ? "tap the screen for sound" : "click or press a key for sound";
    if (window.velkarosLayout) {
      window.velkarosLayout.fit();
    }
  }

  function buttonAt(x, y) {
    const element = document.elementFromPoint(x, y);
    const button = element && element.closest("#touch [data-button]");
    return button ? button.dataset.button : null;
  }

  // Tells the game what changed since the last call.
  function update() {
    const now = new Set([...fingers.values()].filter((name) => name !== null));
    const game = window.Module;
    for (const name of Object.keys(keys)) {
      if (now.has(name) === held.has(name)) {
        continue;
      }
      document.querySelector(`#touch [data-button="${name}"]`).classList.toggle("held", now.has(name));
      if (game && game.calledRun && game._velkaros_touch_button) {
        game._velkaros_touch_button(keys[name], now.has(name) ? 1 : 0);
      }
    }
    held = now;
  }

  function onTouch(event) {
    event.preventDefault();
    for (const touch of event.changedTouches) {
      if (event.type === "touchend" || event.type === "touchcancel") {
        fingers.delete(touch.identifier);
      } else if (event.type === "touchstart" || fingers.has(touch.identifier)) {
        fingers.set(touch.identifier, buttonAt(touch.clientX, touch.clientY));
      }
    }
    update();
  }
  for (const type of ["touchstart", "touchmove", "touchend", "touchcancel"]) {
    controls.addEventListener(type, onTouch, { passive: false });
  }
  controls.addEventListener("contextmenu", (event) => event.preventDefault());

  // A touch anywhere shows the controls; the end of a touch counts as a gesture, so the sound
  // starts there (the controls keep the touch from becoming a click).
  document.addEventListener("touchstart", () => show(true), { capture: true, passive: true });
  document.addEventListener("touchend", () => {
    const context = window.Module && Module.SDL2 && Module.SDL2.audioContext;
    if (context && context.state === "suspended" && !document.hidden) {
      context.resume();
    }
  }, { capture: true, passive: true });
  // Keys, a mouse and pads hide them until the next touch.
  addEventListener("keydown", () => show(false), true);
  addEventListener("pointerdown", (event) => show(event.pointerType === "touch"), true);
  addEventListener("pointermove", (event) => {
    if (event.pointerType === "mouse" && (event.movementX !== 0 || event.movementY !== 0)) {
      show(false);
    }
  }, true);
  addEventListener("gamepadconnected", () => show(false));
  // A window losing the focus lets go of everything, as keys are let go.
  addEventListener("blur", () => {
    fingers.clear();
    update();
  });
  show(matchMedia("(pointer: coarse)").matches);
})();
