// Painting the board's squares in batches, and marking what a render changed.
#include "ui/qt/board.h"

#include <QMetaMethod>
#include <QPaintEvent>
#include <QPainter>

#include "ui/form_look.h"

namespace tinzel::qt {

Board::Board(Resolution resolution, QWidget* parent) : QWidget(parent), resolution_(resolution) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // It paints the panel's colour under the squares itself, so the panel beneath is never
    // painted too.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(parent->rect());
    lower();
}

void Board::render(const FormModel& model, const FormChanges& changes) {
    model_ = &model;
    table_ = BoardTable(&model);
    if (const QRect area = pixels(boardArea(changes, model)); !area.isEmpty()) {
        update(area);
    }
    if (isSignalConnected(QMetaMethod::fromSignal(&Board::cellsRenamed))) {
        emit cellsRenamed(table_.renamed(changes));
    }
}

void Board::unload() {
    model_ = nullptr;
    table_ = BoardTable();
}

QRect Board::squareGeometry(int index) const {
    return pixels(model_->element(ControlArray::Square, index).rect);
}

void Board::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(design::kBackColor));
    if (model_ == nullptr) {
        return;
    }
    const QColor border = toQColor(look::kSquareBorderColor);
    for (int index = 0; index <= model_->lastIndex(ControlArray::Square); ++index) {
        if (!model_->exists(ControlArray::Square, index)) {
            continue;
        }
        const Element& square = model_->element(ControlArray::Square, index);
        const QRect area = pixels(square.rect);
        if (!square.visible || !event->rect().intersects(area)) {
            continue;
        }
        // The border, then the colour inside it: the frame's pixels in two fills.
        painter.fillRect(area, border);
        const int inset = look::kSquareBorderWidth;
        painter.fillRect(area.adjusted(inset, inset, -inset, -inset), toQColor(square.backColor));
    }
}

}  // namespace tinzel::qt
