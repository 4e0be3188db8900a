// A raised panel with a centred caption that acts as a button, from the mouse or, once
// focused, from Space and Enter.
#pragma once

#include <QLabel>

namespace pennatran {

class TPanelButton : public QLabel {
  Q_OBJECT
 public:
  TPanelButton(const QString& name, const QString& caption, QWidget* parent);

 signals:
  // A left click released over the panel, or Space or Enter while it has the focus.
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pennatran
