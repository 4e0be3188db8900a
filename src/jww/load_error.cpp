#include "jww/load_error.h"

#include <array>
#include <initializer_list>
#include <utility>

#include "jww/jww_reader.h"
#include "jww/message_pattern.h"
#include "jww/translatable.h"

namespace pennatran {
namespace {

constexpr std::array<const char*, 8> kKindNames = {
    "",
    Translatable("LoadError", "line"),
    Translatable("LoadError", "arc"),
    Translatable("LoadError", "point"),
    Translatable("LoadError", "text"),
    Translatable("LoadError", "dimension"),
    Translatable("LoadError", "solid"),
    Translatable("LoadError", "block insert"),
};

// The pattern in the words given, its markers filled in order.
class TFiller {
 public:
  explicit TFiller(const TMessageWords& words) : Words(words) {}

  std::string operator()(const char* pattern, std::initializer_list<std::string> args = {}) const {
    return SayPattern(Words, pattern, args);
  }

 private:
  const TMessageWords& Words;
};

std::string Number(uint64_t n) {
  return std::to_string(n);
}

// Where the read stopped; empty when the error has no place.
std::string PlaceText(const TLoadError& error, const TFiller& say) {
  const bool own = error.BlockDefinition == 0;
  const std::string index = Number(error.Index);
  const std::string owner = Number(error.BlockDefinition);
  switch (error.Place) {
    case TLoadPlace::None:
      return {};
    case TLoadPlace::Header:
      return say(Translatable("LoadError", "inside the header"));
    case TLoadPlace::EntityCount:
      return say(Translatable("LoadError", "reading the entity count"));
    case TLoadPlace::EntityTag:
      return own ? say(Translatable("LoadError", "reading the tag of entity %1"), {index})
                 : say(Translatable("LoadError",
                                    "reading the tag of entity %1 of block "
                                    "definition %2"),
                       {index, owner});
    case TLoadPlace::Entity: {
      const int32_t kind = error.EntityKind;
      const std::string name = kind > 0 && static_cast<size_t>(kind) < kKindNames.size()
                                   ? say(kKindNames[static_cast<size_t>(kind)])
                                   : std::string();
      return own ? say(Translatable("LoadError", "inside entity %1 (%2)"), {index, name})
                 : say(Translatable("LoadError", "inside entity %1 (%2) of block definition %3"),
                       {index, name, owner});
    }
    case TLoadPlace::BlockDefinitionCount:
      return say(Translatable("LoadError", "reading the block definition count"));
    case TLoadPlace::BlockDefinition:
      return say(Translatable("LoadError", "inside block definition %1"), {index});
    case TLoadPlace::ImageCount:
      return say(Translatable("LoadError", "reading the image count"));
    case TLoadPlace::Image:
      return say(Translatable("LoadError", "inside image %1"), {index});
  }
  return {};
}

}  // namespace

TLoadError LoadErrorAt(TLoadFailure failure, uint64_t offset, std::string detail) {
  TLoadError error;
  error.Failure = failure;
  error.Offset = offset;
  error.Detail = std::move(detail);
  return error;
}

std::string LoadErrorText(const TLoadError& error, const TMessageWords& words) {
  const TFiller say(words);
  const std::string place = PlaceText(error, say);
  switch (error.Failure) {
    case TLoadFailure::None:
      return {};
    case TLoadFailure::NotADrawing:
      return say(
          Translatable("LoadError", "not a Jw_cad drawing: it does not begin with \"JwwData.\""));
    case TLoadFailure::OldVersion:
      return say(
          Translatable("LoadError", "version %1 is older than the oldest readable version %2"),
          {std::to_string(error.Version), std::to_string(kOldestReadableVersion)});
    case TLoadFailure::CannotOpen:
      return say(Translatable("LoadError", "cannot open the file"));
    case TLoadFailure::CannotRead:
      return say(Translatable("LoadError", "cannot read the file"));
    case TLoadFailure::CutShort:
      return place.empty() ? say(Translatable("LoadError", "end of file"))
                           : say(Translatable("LoadError", "end of file %1"), {place});
    case TLoadFailure::ImageMemory:
      return place.empty()
                 ? say(Translatable("LoadError", "out of memory keeping the image \"%1\""),
                       {error.Detail})
                 : say(Translatable("LoadError", "out of memory keeping the image \"%1\" %2"),
                       {error.Detail, place});
    case TLoadFailure::OutOfMemory:
      return say(Translatable("LoadError", "out of memory"));
    case TLoadFailure::Other:
      return error.Detail;
  }
  return {};
}

}  // namespace pennatran
