// A raised panel showing a left-justified caption, with panel buttons along its right edge.
#pragma once

#include <QFrame>
#include <QString>

class QHBoxLayout;
class QLabel;

namespace pennatran {

class TCaptionPanel : public QFrame {
  Q_OBJECT
 public:
  // A panel of the given height; a caption longer than the panel is cut off.
  TCaptionPanel(const QString& name, const QString& caption, int height, QWidget* parent);

  QString Caption() const;
  void SetCaption(const QString& caption);
  // Adds a widget of the given width at the right edge; each later one sits to the left of
  // those added before.
  void AddRight(QWidget* widget, int width);

 private:
  QLabel* CaptionLabel;
  QHBoxLayout* Row;
};

}  // namespace pennatran
