// Places the picture and the on-screen controls in the play area (#stage). The picture gets
// the largest whole number of device pixels per game pixel that fits (at least 1), so its
// pixels stay square and sharp at any device pixel ratio; ?scale=N fixes N CSS pixels instead.
// With the touch controls shown, a tall screen has the picture at the top and the controls
// below it, a wide one the picture in the middle, the d-pad left and the buttons right. The
// fullscreen button (only where the browser has the Fullscreen API) takes a corner of what the
// picture leaves free. Nothing is placed over the picture.
"use strict";
(function () {
  const stage = document.getElementById("stage");
  const canvas = document.getElementById("canvas");
  const dpad = document.getElementById("dpad");
  const buttons = document.getElementById("buttons");
  const fullscreen = document.getElementById("fullscreen");
  const params = new URLSearchParams(location.search);
  const fixedScale = /^[1-9][0-9]?$/.test(params.get("scale") || "") ?
    Number(params.get("scale")) : 0;
  // Room the controls need: a band under the picture, or a side each.
  const kControlsBand = 200;
  const kSide = 184;
  const kCorner = 56;
  const canFullscreen = Boolean(document.fullscreenEnabled &&
    document.documentElement.requestFullscreen);

  function place(element, x, y) {
    element.style.left = x + "px";
    element.style.top = y + "px";
  }

  // The picture's size in CSS pixels within an area, and the device pixels per game pixel.
  function pictureIn(width, height, ratio) {
    const perPixel = fixedScale ? fixedScale * ratio : Math.max(1, Math.floor(
      Math.min(width * ratio / canvas.width, height * ratio / canvas.height)));
    return { perPixel, width: canvas.width * perPixel / ratio,
             height: canvas.height * perPixel / ratio };
  }

  function fit() {
    const ratio = window.devicePixelRatio || 1;
    const snap = (value) => Math.round(value * ratio) / ratio;
    const width = stage.clientWidth;
    const height = stage.clientHeight;
    const touch = document.body.classList.contains("touch");
    let area;
    if (!touch) {
      // The fullscreen button needs a band at the right or at the bottom: the one that costs
      // the picture less.
      const right = { x: 0, y: 0, width: width - (canFullscreen ? kCorner : 0), height };
      const below = { x: 0, y: 0, width, height: height - (canFullscreen ? kCorner : 0) };
      area = pictureIn(below.width, below.height, ratio).perPixel >
        pictureIn(right.width, right.height, ratio).perPixel ? below : right;
    } else if (height >= width) {
      area = { x: 0, y: 0, width, height: height - kControlsBand };
    } else {
      area = { x: kSide, y: 0, width: width - 2 * kSide, height };
    }
    const picture = pictureIn(area.width, area.height, ratio);
    const x = snap(area.x + Math.max(0, (area.width - picture.width) / 2));
    const y = snap(touch && height >= width ? 0 : Math.max(0, (area.height - picture.height) / 2));
    canvas.style.width = picture.width + "px";
    canvas.style.height = picture.height + "px";
    place(canvas, x, y);

    const bottom = y + picture.height;
    if (touch && height >= width) {
      // Portrait: the d-pad and the buttons side by side under the picture.
      const middle = bottom + Math.max(0, (height - bottom - dpad.offsetHeight) / 2);
      place(dpad, Math.max(8, width / 4 - dpad.offsetWidth / 2), middle);
      place(buttons, Math.min(width - buttons.offsetWidth - 8,
        width * 3 / 4 - buttons.offsetWidth / 2), middle + (dpad.offsetHeight -
        buttons.offsetHeight) / 2);
      place(fullscreen, width - kCorner + 4, height - kCorner + 4);
    } else if (touch) {
      // Landscape: the d-pad in the left margin, the buttons in the right one.
      const left = x;
      const right = width - x - picture.width;
      place(dpad, Math.max(0, (left - dpad.offsetWidth) / 2), (height - dpad.offsetHeight) / 2);
      place(buttons, width - right + Math.max(0, (right - buttons.offsetWidth) / 2),
        (height - buttons.offsetHeight) / 2);
      place(fullscreen, width - kCorner + 4, 4);
    } else if (area.width < width) {
      place(fullscreen, width - kCorner + 4, 4);
    } else {
      place(fullscreen, width - kCorner + 4, height - kCorner + 4);
    }
    fullscreen.style.display = canFullscreen ? "block" : "none";
  }

  fullscreen.addEventListener("click", () => {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else {
      document.documentElement.requestFullscreen().catch(() => {});
    }
    fullscreen.blur();
  });
  new ResizeObserver(fit).observe(stage);
  addEventListener("resize", fit);
  window.velkarosLayout = { fit };
  fit();
})();
