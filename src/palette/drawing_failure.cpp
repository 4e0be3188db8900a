#include "palette/drawing_failure.h"

namespace pennatran {

TDrawingFailure LoadFailureOf(const TJwwData& doc) {
  return LoadFailureOf(doc.LoadError);
}

TDrawingFailure LoadFailureOf(const TLoadError& error) {
  TDrawingFailure failure;
  if (error.NotADrawing()) {
    failure.Kind = TFailureKind::NotADrawing;
  } else {
    failure.Kind = TFailureKind::NotReadCompletely;
    failure.Load = error;
  }
  return failure;
}

TDrawingFailure ProblemOf(const TDrawingPath& drawing) {
  TDrawingFailure failure;
  failure.Path = drawing.File;
  switch (drawing.Problem) {
    case TDrawingProblem::None:
      break;
    case TDrawingProblem::NotRegular:
      failure.Kind = TFailureKind::NotRegular;
      break;
    case TDrawingProblem::DanglingLink:
      failure.Kind = TFailureKind::DanglingLink;
      break;
    case TDrawingProblem::FolderUnreadable:
      failure.Kind = TFailureKind::FolderUnreadable;
      failure.Detail = drawing.Reason;
      break;
  }
  return failure;
}

}  // namespace pennatran
