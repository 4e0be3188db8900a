#include "cli/failure_text.h"

#include "cli/cli_text.h"
#include "jww/translatable.h"

namespace pennatran {
namespace {

// source is marked with Translatable, for the catalogue to find it.
TText Say(const char* source, bool english) {
  return english ? TText(source) : Tr("failure", source);
}

// Why a save or a backup failed: the sentence the user can act on when there is one, else
// what the system said.
std::string SaveReason(const TDrawingFailure& failure, bool english) {
  const std::string sentence = SaveFailureText(failure.Save);
  if (english || sentence.empty()) return failure.Detail;
  return Tr("SaveFailure", sentence.c_str()).Str();
}

// Where and why a load stopped, its patterns looked up as the sentence around it is.
std::string LoadReason(const TLoadError& error, bool english) {
  if (english) return LoadErrorText(error);
  return LoadErrorText(error, [](const char* pattern) { return Tr("LoadError", pattern).Str(); });
}

}  // namespace

std::string FailureReason(const TDrawingFailure& failure, bool english) {
  const std::string path = failure.Path.string();
  switch (failure.Kind) {
    case TFailureKind::None:
      return {};
    case TFailureKind::NotADrawing:
      return Say(Translatable("failure", "not a Jw_cad drawing"), english).Str();
    case TFailureKind::NotReadCompletely:
      return Say(Translatable("failure", "not read completely (offset %1: %2)"), english)
          .Arg(failure.Load.Offset)
          .Arg(LoadReason(failure.Load, english))
          .Str();
    case TFailureKind::ReadOnly:
      return Say(Translatable("failure", "the file is read-only"), english).Str();
    case TFailureKind::Busy:
      return Say(Translatable("failure", "another run kept it locked"), english).Str();
    case TFailureKind::OutputFolder:
      return Say(Translatable("failure", "cannot make its output folder %1 (%2)"), english)
          .Arg(path)
          .Arg(failure.Detail)
          .Str();
    case TFailureKind::Backup:
      return Say(Translatable("failure", "cannot write %1 (%2)"), english)
          .Arg(path)
          .Arg(SaveReason(failure, english))
          .Str();
    case TFailureKind::NotRegular:
      return Say(Translatable("failure", "not a regular file"), english).Str();
    case TFailureKind::DanglingLink:
      return Say(Translatable("failure", "a link to a file that does not exist"), english).Str();
    case TFailureKind::FolderUnreadable:
      return Say(Translatable("failure", "a folder that cannot be searched (%1)"), english)
          .Arg(failure.Detail)
          .Str();
    case TFailureKind::Save:
      break;
  }
  return Say(Translatable("failure", "save failed (%1)"), english)
      .Arg(SaveReason(failure, english))
      .Str();
}

}  // namespace pennatran
