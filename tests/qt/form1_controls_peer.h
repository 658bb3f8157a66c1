// What the Qt window's tests reach inside the window's controls: the labels, how many elements
// each control array has, and the board's squares, which are drawn rather than widgets.
#pragma once

#include <QColor>
#include <QLabel>
#include <QRect>

#include "ui/qt/conversions.h"
#include "ui/qt/form1_controls.h"

namespace tinzel::testing {

class Form1ControlsPeer {
  public:
    explicit Form1ControlsPeer(const qt::Form1Controls& controls) : controls_(controls) {}

    qt::ScoreDisplay* scoreLabel(ScoreLabel label) const { return controls_.scoreLabel(label); }
    QLabel* label2() const { return controls_.label2_; }
    int elementCount(ControlArray array) const { return controls_.model_->elementCount(array); }

    // Square `index` as drawn: its place in the controls' pixels, colour and visibility.
    QRect squareGeometry(int index) const { return controls_.board()->squareGeometry(index); }
    QColor squareColor(int index) const { return qt::toQColor(square(index).backColor); }
    bool isSquareVisible(int index) const { return square(index).visible; }

  private:
    const Element& square(int index) const {
        return controls_.model_->element(ControlArray::Square, index);
    }

    const qt::Form1Controls& controls_;
};

}  // namespace tinzel::testing
