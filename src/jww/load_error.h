// What stopped a load, in parts, and its one wording: in English for info --json's
// "message", which scripts read, or in the words a front end looks up for the user.
#pragma once

#include <cstdint>
#include <string>

#include "jww/message_pattern.h"

namespace pennatran {

enum class TLoadFailure {
  None,
  NotADrawing,  // the file does not begin with a drawing's signature: nothing was read
  OldVersion,   // Version is older than the oldest one the reader knows
  CannotOpen,
  CannotRead,
  CutShort,     // the file ends inside Place
  ImageMemory,  // no memory to keep the bytes of image Index (Detail: its name, UTF-8)
  OutOfMemory,
  Other,  // Detail: what the library said
};

// The part of the drawing a read was in when it stopped.
enum class TLoadPlace {
  None,
  Header,
  EntityCount,
  EntityTag,  // the tag of entity Index
  Entity,     // entity Index, of kind EntityKind
  BlockDefinitionCount,
  BlockDefinition,  // the fields of block definition Index before its entities
  ImageCount,
  Image,  // image Index
};

// Where and why a load stopped; Failure None when the whole file was read.
struct TLoadError {
  TLoadFailure Failure = TLoadFailure::None;
  uint64_t Offset = 0;
  TLoadPlace Place = TLoadPlace::None;
  uint32_t Index = 0;            // 1-based, of the entity, block definition or image
  int32_t EntityKind = 0;        // TEntityKind at Place Entity
  uint32_t BlockDefinition = 0;  // the definition an entity belongs to; 0: the drawing's own
  int32_t Version = 0;           // the drawing's version, for OldVersion
  std::string Detail;

  bool Failed() const { return Failure != TLoadFailure::None; }
  bool NotADrawing() const { return Failure == TLoadFailure::NotADrawing; }
};

// An error with no place yet: the reader's parts add theirs as it passes them.
TLoadError LoadErrorAt(TLoadFailure failure, uint64_t offset, std::string detail = {});

// The sentence for error, in English ("end of file inside entity 10 (line)") or in the
// words given for the patterns of the context "LoadError"; empty for None.
std::string LoadErrorText(const TLoadError& error, const TMessageWords& words = {});

}  // namespace pennatran
