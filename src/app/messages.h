// The window's simple modal messages, behind one small interface so that tests can read
// their texts instead of blocking on a modal box.
#pragma once

#include <QString>

class QWidget;

namespace pennatran {

enum class TAnswer { Yes, No, Cancel };
// What to do with a file that someone else wrote after this window read it.
enum class TChangedFileAnswer { Reload, Overwrite, Cancel };

class TMessages {
 public:
  virtual ~TMessages() = default;
  // Shows the text with an OK button and returns once the user has read it.
  virtual void Information(const QString& text) = 0;
  // Asks with Yes and No (No the default); true only for Yes.
  virtual bool Question(const QString& text) = 0;
  // Asks with Yes, No and Cancel (Yes the default); closing the box is Cancel.
  virtual TAnswer QuestionWithCancel(const QString& text) = 0;
  // Asks with the two buttons named and Cancel (Cancel the default; closing the box is
  // Cancel).
  virtual TChangedFileAnswer ChangedFileQuestion(const QString& text, const QString& reload,
                                                 const QString& overwrite) = 0;
};

// Message boxes captioned with the application title "Pennatran", in the font of their
// window.
class TMessageBoxes : public TMessages {
 public:
  explicit TMessageBoxes(QWidget* parent) : Parent(parent) {}
  void Information(const QString& text) override;
  bool Question(const QString& text) override;
  TAnswer QuestionWithCancel(const QString& text) override;
  TChangedFileAnswer ChangedFileQuestion(const QString& text, const QString& reload,
                                         const QString& overwrite) override;

 private:
  QWidget* Parent;
};

}  // namespace pennatran
