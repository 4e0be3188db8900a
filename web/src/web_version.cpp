// The program's version, for the page's About text.
#include <emscripten/bind.h>

#include <string>

namespace {

std::string Version() {
  return PENNATRAN_VERSION;
}

}  // namespace

EMSCRIPTEN_BINDINGS(pennatran_version) {
  emscripten::function("version", &Version);
}
