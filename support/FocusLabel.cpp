#include "support/FocusLabel.h"

#include <QPainter>

FocusLabel::FocusLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void FocusLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The classic focus mark: the style's own frame is too faint on a dark swatch.
    QPainter painter(this);
    const bool blnLight = palette().color(backgroundRole()).value() >= 128;
    painter.setPen(QPen(blnLight ? Qt::black : Qt::white, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}
