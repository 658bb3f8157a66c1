// Painting a colour button in the one look, and its keys.
#include "ui/qt/color_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QVarLengthArray>

#include "ui/form_look.h"
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

namespace {

// Every rectangle of `shape` in one call: a focus ring is some seventy of them.
void fill(QPainter& painter, const std::vector<PixelRect>& shape, const QColor& color) {
    QVarLengthArray<QRect, 96> parts;
    for (const PixelRect& part : shape) {
        parts.append(toQRect(part));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRects(parts.constData(), static_cast<int>(parts.size()));
}

ButtonKey buttonKey(int key) {
    switch (key) {
        case Qt::Key_Up:
            return ButtonKey::Up;
        case Qt::Key_Down:
            return ButtonKey::Down;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return ButtonKey::Enter;
        default:
            return ButtonKey::Other;
    }
}

}  // namespace

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(fill_));
    const QColor ring = toQColor(look::ringColor(fill_));
    if (isDown()) {
        fill(painter, look::frame(width(), height(), look::kPressedEdgeWidth), ring);
    } else {
        fill(painter, look::frame(width(), height(), look::kButtonEdgeWidth),
             toQColor(look::kButtonEdgeColor));
    }
    if (hasFocus()) {
        fill(painter, look::focusRing(width(), height()), ring);
    }
}

void ColorButton::keyPressEvent(QKeyEvent* event) {
    const ButtonKeyAction action = keys_.pressed(buttonKey(event->key()), event->isAutoRepeat());
    switch (action) {
        case ButtonKeyAction::Answer:
            click();
            return;
        case ButtonKeyAction::StepUp:
        case ButtonKeyAction::StepDown:
            emit focusStepRequested(index_, focusStep(action));
            return;
        case ButtonKeyAction::Nothing:
            return;
        case ButtonKeyAction::PassOn:
            QAbstractButton::keyPressEvent(event);
    }
}

void ColorButton::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        keys_.released(buttonKey(event->key()));
    }
    QAbstractButton::keyReleaseEvent(event);
}

}  // namespace tinzel::qt
