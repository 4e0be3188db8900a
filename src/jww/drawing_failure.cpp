#include "jww/drawing_failure.h"

namespace pennatran {

TDrawingFailure LoadFailureOf(const TJwwData& doc) {
  TDrawingFailure failure;
  if (doc.LoadError.NotADrawing) {
    failure.Kind = TFailureKind::NotADrawing;
  } else {
    failure.Kind = TFailureKind::NotReadCompletely;
    failure.Offset = doc.LoadError.Offset;
    failure.Detail = doc.LoadError.Message;
  }
  return failure;
}

}  // namespace pennatran
