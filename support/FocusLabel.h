#pragma once
// A label that takes the keyboard focus: while it has it, a dotted focus frame is drawn
// just inside its edge, in black or white, whichever stands out from its background.

#include <QLabel>

class FocusLabel : public QLabel {
  public:
    explicit FocusLabel(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
