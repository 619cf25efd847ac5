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

  // The switch in the bar above the play area, beside the mod's controls: it never covers the
  // picture or the touch controls.
  function addSwitch(current) {
    const select = makeSwitch(current);
    select.id = "language";
    const bar = document.getElementById("bar");
    bar.insertBefore(select, document.getElementById("workbench-toggle"));
  }

  return {
    languageArguments(params) {
      const code = chosen(params);
      addSwitch(code);
      return code ? ["--lang", code] : [];
    },
  };
})();
