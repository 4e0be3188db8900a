// Palette files an attack run came up with; the reader must refuse each with a message
// that names the place. The fuzz seeds test writes them into fuzz/palettes.
#pragma once

#include <string>
#include <vector>

namespace pennatran::testing {

struct THostilePalette {
  std::string File;  // its name in fuzz/palettes
  std::string Text;
  std::string Message;  // a part of the error
};

inline std::string PaletteWith(const std::string& color,
                               const std::string& head = "\"version\": 1") {
  return "{\"format\": \"pennatran-palette\", " + head + ",\n\"colors\": [" + color +
         "],\n\"lineTypes\": []}\n";
}

inline std::string ColorWith(const std::string& screenColor = "\"#0000FF\"",
                             const std::string& radius = "0.5", const std::string& extra = "") {
  return "{\"slot\": 17, " + extra + "\"name\": \"a\", \"screenColor\": " + screenColor +
         ", \"screenColorValue\": 16711680, \"screenWidth\": 1, \"printColor\": \"#0000FF\", "
         "\"printColorValue\": 16711680, \"printWidth\": 2, \"pointRadius\": " +
         radius + "}";
}

inline std::vector<THostilePalette> HostilePalettes() {
  const std::string deep = std::string(100000, '[') + std::string(100000, ']');
  return {
      {"deep-version.json", PaletteWith(ColorWith(), "\"version\": " + deep),
       "line 1, column 107: nested deeper than 64 levels"},
      {"nul-garbage.json", PaletteWith(ColorWith()) + std::string("\0garbage", 8),
       "line 4, column 1: not valid JSON (a NUL byte)"},
      {"trailing-bytes.json", PaletteWith(ColorWith()) + "garbage", "line 4, column 1"},
      {"duplicate-key.json", PaletteWith(ColorWith("\"#0000FF\"", "0.5", "\"slot\": 18, ")),
       "/colors/0/slot: the field appears twice"},
      {"number-overflow.json", PaletteWith(ColorWith("\"#0000FF\"", "1e400")),
       "line 2, column 202: not valid JSON (number overflow"},
      {"colour-name.json", PaletteWith(ColorWith("\"red\"")),
       "/colors/0/screenColor: \"red\" is not \"#RRGGBB\""},
      {"colour-controls.json", PaletteWith(ColorWith("\"#\\u001b[2J\"")),
       "\"#^[[2J\" is not \"#RRGGBB\""},
      {"key-controls.json",
       PaletteWith(ColorWith("\"#0000FF\"", "0.5", "\"\\u001b]0;x\\u0007\": 1, ")),
       "/colors/0/^[]0;x^G: is not a field of a palette file"},
      {"long-key.json",
       PaletteWith(ColorWith("\"#0000FF\"", "0.5", "\"" + std::string(100000, 'k') + "\": 1, ")),
       "/colors/0/" + std::string(40, 'k') + "…: is not a field of a palette file"},
      {"version-object.json", PaletteWith(ColorWith(), "\"version\": {\"a\": [1, 2]}"),
       "/version: this version is not understood"},
  };
}

}  // namespace pennatran::testing
