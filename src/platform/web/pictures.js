// The workbench's picture list: every picture the game reads, each replaced by a PNG or BMP
// dropped onto it (or chosen after a click). The file goes into the mod under the picture's
// own name, and the game reads everything again. The game reads a picture by its name's
// extension, so the file must be of that kind.
"use strict";
window.VkPictures = (function () {
  function kindOf(bytes) {
    if (bytes.length > 8 && bytes[0] === 0x89 && bytes[1] === 0x50 && bytes[2] === 0x4E &&
        bytes[3] === 0x47) {
      return "png";
    }
    return bytes.length > 2 && bytes[0] === 0x42 && bytes[1] === 0x4D ? "bmp" : "";
  }

  async function replace(path, file, editor) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const wanted = path.toLowerCase().endsWith(".bmp") ? "bmp" : "png";
    if (kindOf(bytes) !== wanted) {
      editor.showError(`${path} is read as a ${wanted.toUpperCase()} picture: ` +
                       `${file.name} is not one`, 0);
      return;
    }
    await VkMods.write(path, bytes);
    editor.reload();
  }

  return {
    // The list's entry of one picture; editor gives showError(text, line) and reload().
    item(path, editor) {
      const chooser = document.createElement("input");
      chooser.type = "file";
      chooser.accept = ".png,.bmp,image/png,image/bmp";
      chooser.hidden = true;
      chooser.addEventListener("click", (event) => event.stopPropagation());
      chooser.addEventListener("change", () => chooser.files[0] && replace(path, chooser.files[0], editor));
      const item = document.createElement("li");
      item.dataset.path = path;
      item.title = "Drop a PNG or BMP here to replace it";
      item.append(path, chooser);
      item.classList.toggle("wb-changed", VkMods.has(path));
      item.addEventListener("click", () => chooser.click());
      item.addEventListener("dragover", (event) => {
        event.preventDefault();
        event.stopPropagation();
        item.classList.add("wb-over");
      });
      item.addEventListener("dragleave", () => item.classList.remove("wb-over"));
      item.addEventListener("drop", (event) => {
        event.preventDefault();
        event.stopPropagation();
        item.classList.remove("wb-over");
        const file = event.dataTransfer.files[0];
        if (file) {
          replace(path, file, editor);
        }
      });
      return item;
    },
  };
})();
