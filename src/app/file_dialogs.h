// The open and save dialogs of the window, behind a seam so that tests can answer them.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace pennatran {

class TFileDialogs {
 public:
  virtual ~TFileDialogs() = default;
  // Asks for an existing drawing, starting in initialFolder with fileName proposed.
  // Returns the chosen full path, or nothing when the user cancels.
  virtual std::optional<QString> OpenDrawing(const QString& initialFolder,
                                             const QString& fileName) = 0;
  // Asks where to save a drawing; an existing file is only chosen after the user agreed to
  // replace it. Returns the chosen full path, or nothing when the user cancels.
  virtual std::optional<QString> SaveDrawing(const QString& initialFolder,
                                             const QString& fileName) = 0;
};

// Qt's file dialogs with the drawing filter (and the palette filter to open) and the
// default suffix "jww".
class TQtFileDialogs : public TFileDialogs {
 public:
  explicit TQtFileDialogs(QWidget* parent) : Parent(parent) {}
  std::optional<QString> OpenDrawing(const QString& initialFolder,
                                     const QString& fileName) override;
  std::optional<QString> SaveDrawing(const QString& initialFolder,
                                     const QString& fileName) override;

 private:
  QWidget* Parent;
};

// The dialogs' filter texts as written (the dialogs show their translations); the open
// dialog offers both.
extern const char* const kDrawingFilter;
extern const char* const kPaletteFilter;

}  // namespace pennatran
