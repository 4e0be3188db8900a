// A raised panel with a centred caption that acts as a button.
#pragma once

#include <QLabel>

namespace pennatran {

class TPanelButton : public QLabel {
  Q_OBJECT
 public:
  TPanelButton(const QString& name, const QString& caption, QWidget* parent);

 signals:
  // A left click released over the panel.
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace pennatran
