// A splitter whose handle is a bar of one colour and a fixed thickness, and which can share
// a change of its length out between its two parts in fixed shares.
#pragma once

#include <QColor>
#include <QSplitter>

namespace pennatran {

class TColorSplitter : public QSplitter {
  Q_OBJECT
 public:
  TColorSplitter(const QString& name, Qt::Orientation orientation, int thickness,
                 const QColor& color, QWidget* parent);

  // From now on, a longer or shorter splitter of two parts gives first / (first + second)
  // of the change to its first part and the rest to the second, whatever their sizes; a
  // plain splitter shares it out by each part's size.
  void ShareChanges(int first, int second);

 protected:
  QSplitterHandle* createHandle() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QColor HandleColor;
  int FirstShare = 0;
  int SecondShare = 0;
};

}  // namespace pennatran
