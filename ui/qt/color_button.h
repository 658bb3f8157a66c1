// A colour button: a flat fill of its colour that looks the same in every Qt style.
#pragma once

#include <QAbstractButton>

#include "game/color_value.h"
#include "ui/button_keys.h"

namespace tinzel::qt {

// Activated by a mouse click or Space, and by the keys of ui/button_keys.h: Return or Enter
// answer, and Up and Down ask for the focus to move to the neighbouring button of the column.
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
    ButtonKeys keys_;
};

}  // namespace tinzel::qt
