// A colour button: a flat fill of its colour that looks the same in every Qt style.
#pragma once

#include <QAbstractButton>

#include "game/color_value.h"
#include "ui/fresh_presses.h"

namespace tinzel::qt {

// Activated by a mouse click, Space, Return or Enter; Up and Down ask for the focus to move
// to the neighbouring button of the column.
class ColorButton : public QAbstractButton {
    Q_OBJECT

  public:
    ColorButton(int index, QWidget* parent);

    int index() const { return index_; }
    void setFillColor(ColorValue color);

    QSize sizeHint() const override;

  signals:
    void focusStepRequested(int fromIndex, int step);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    int index_;
    ColorValue fill_ = 0;
    FreshPresses presses_;
};

}  // namespace tinzel::qt
