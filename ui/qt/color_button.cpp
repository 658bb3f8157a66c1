#include "ui/qt/color_button.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/focus_ring.h"
#include "ui/form_design.h"
#include "ui/qt/conversions.h"

namespace tinzel::qt {

ColorButton::ColorButton(int index, QWidget* parent) : QAbstractButton(parent), index_(index) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorButton::setFillColor(ColorValue color) {
    if (fill_ != color) {
        fill_ = color;
        update();
    }
}

QSize ColorButton::sizeHint() const {
    return size();
}

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, toQColor(fill_));
    const QColor ringColor = toQColor(focusRingColor(fill_));
    const QColor edge = isDown() ? ringColor : toQColor(design::kButtonEdgeColor);
    painter.setPen(QPen(edge, isDown() ? 2 : 1));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        QPen ring(ringColor, 2, Qt::DotLine);
        painter.setPen(ring);
        const int inset = design::kFocusRingInset;
        painter.drawRect(area.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

void ColorButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (presses_.down(event->key(), event->isAutoRepeat())) {
                click();
            }
            return;
        case Qt::Key_Up:
            emit focusStepRequested(index_, -1);
            return;
        case Qt::Key_Down:
            emit focusStepRequested(index_, +1);
            return;
        default:
            QAbstractButton::keyPressEvent(event);
    }
}

void ColorButton::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        presses_.up(event->key());
    }
    QAbstractButton::keyReleaseEvent(event);
}

}  // namespace tinzel::qt
