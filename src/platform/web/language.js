// The page's language: ?lang=LL plays the translation lang/LL.po of the game folder (the
// game's --lang LL), and a switch chooses one and remembers it in the browser.
// Without either the game is the original Japanese. index.html adds languageArguments() to
// the game's arguments.
"use strict";
var velkarosLanguage = (function () {
  // The translations the page carries (content/lang/*.po), by code, with their own names.
  const languages = { en: "English" };
  const key = "velkaros.lang";

  function stored() {
    try {
      return localStorage.getItem(key) || "";
    } catch (error) {
      return "";  // storage blocked: nothing remembered
    }
  }

  function chosen(params) {
    const code = params.has("lang") ? params.get("lang") : stored();
    return /^[A-Za-z0-9_@-]{1,16}$/.test(code) ? code : "";
  }

  // A select that remembers the choice and starts the game again in it.
  function makeSwitch(current) {
    const select = document.createElement("select");
    select.title = "Language";
    select.setAttribute("aria-label", "Language");
    for (const [code, name] of [["", "日本語"], ...Object.entries(languages)]) {
      select.add(new Option(name, code, false, code === current));
    }
    select.addEventListener("change", () => {
      try {
        localStorage.setItem(key, select.value);
      } catch (error) {
        // Not remembered; the address still carries it.
      }
      const next = new URLSearchParams(location.search);
      next.set("lang", select.value);
      location.search = next.toString();
    });
    return select;
  }

  // One switch in the About box (ヘルプ, バージョン情報), and one in the page's top left corner
  // wherever the picture leaves that corner free: nothing covers the picture or its menu strip.
  function addSwitches(current) {
    const about = document.querySelector("#about div");
    if (about) {
      about.insertBefore(makeSwitch(current), about.querySelector("button"));
    }
    const corner = makeSwitch(current);
    corner.id = "language";
    corner.style.cssText = "position: fixed; top: 4px; left: 4px; font-size: 0.8em; " +
      "visibility: hidden;";
    document.body.appendChild(corner);
    const canvas = document.getElementById("canvas");
    const update = () => requestAnimationFrame(() => {
      const picture = canvas.getBoundingClientRect();
      const free = picture.left >= corner.offsetWidth + 8 || picture.top >= corner.offsetHeight + 8;
      corner.style.visibility = free && canvas.style.display !== "none" ? "visible" : "hidden";
    });
    new ResizeObserver(update).observe(document.body);
    addEventListener("resize", update);
    update();
  }

  return {
    languageArguments(params) {
      const code = chosen(params);
      addSwitches(code);
      return code ? ["--lang", code] : [];
    },
  };
})();
