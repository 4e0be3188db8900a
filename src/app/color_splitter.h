// A splitter whose handle is a bar of one colour and a fixed thickness.
#pragma once

#include <QColor>
#include <QSplitter>

namespace pennatran {

class TColorSplitter : public QSplitter {
  Q_OBJECT
 public:
  TColorSplitter(const QString& name, Qt::Orientation orientation, int thickness,
                 const QColor& color, QWidget* parent);

 protected:
  QSplitterHandle* createHandle() override;

 private:
  QColor HandleColor;
};

}  // namespace pennatran
