#include "jww/load_error.h"

#include <array>
#include <utility>

#include "jww/jww_reader.h"

namespace pennatran {
namespace {

constexpr std::array<const char*, 8> kKindNames = {"",     "line",      "arc",   "point",
                                                   "text", "dimension", "solid", "block insert"};

std::string KindName(int32_t kind) {
  return kind > 0 && static_cast<size_t>(kind) < kKindNames.size() ? kKindNames[kind] : "";
}

std::string Number(uint32_t n) {
  return std::to_string(n);
}

// Where the read stopped, with its leading blank; empty when the error has no place.
std::string PlaceText(const TLoadError& error) {
  const std::string owner =
      error.BlockDefinition == 0 ? "" : " of block definition " + Number(error.BlockDefinition);
  switch (error.Place) {
    case TLoadPlace::None:
      return {};
    case TLoadPlace::Header:
      return " inside the header";
    case TLoadPlace::EntityCount:
      return " reading the entity count";
    case TLoadPlace::EntityTag:
      return " reading the tag of entity " + Number(error.Index) + owner;
    case TLoadPlace::Entity:
      return " inside entity " + Number(error.Index) + " (" + KindName(error.EntityKind) + ")" +
             owner;
    case TLoadPlace::BlockDefinitionCount:
      return " reading the block definition count";
    case TLoadPlace::BlockDefinition:
      return " inside block definition " + Number(error.Index);
    case TLoadPlace::ImageCount:
      return " reading the image count";
    case TLoadPlace::Image:
      return " inside image " + Number(error.Index);
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

std::string LoadErrorText(const TLoadError& error) {
  switch (error.Failure) {
    case TLoadFailure::None:
      return {};
    case TLoadFailure::NotADrawing:
      return "not a Jw_cad drawing: it does not begin with \"JwwData.\"";
    case TLoadFailure::OldVersion:
      return "version " + std::to_string(error.Version) +
             " is older than the oldest readable version " + std::to_string(kOldestReadableVersion);
    case TLoadFailure::CannotOpen:
      return "cannot open the file";
    case TLoadFailure::CannotRead:
      return "cannot read the file";
    case TLoadFailure::CutShort:
      return "end of file" + PlaceText(error);
    case TLoadFailure::ImageMemory:
      return "out of memory keeping the image \"" + error.Detail + "\"" + PlaceText(error);
    case TLoadFailure::OutOfMemory:
      return "out of memory";
    case TLoadFailure::Other:
      return error.Detail;
  }
  return {};
}

}  // namespace pennatran
