// Everything on the window Form1 for one load: the design-time controls and the squares and
// buttons the game creates. One load's controls are destroyed together when it unloads.
#pragma once

#include <QLabel>
#include <QWidget>
#include <map>

#include "game/runtime_services.h"
#include "ui/form_design.h"
#include "ui/qt/color_button.h"
#include "ui/qt/twips.h"

namespace tinzel::qt {

// The board's squares are labels with no text, a background colour and a single-line
// border. They are drawn by this widget itself rather than each being a widget of its own:
// a round replaces a hundred of them, and that stays cheap. Everything that takes input
// (the colour buttons) or shows text is a real widget on top of them.
class Form1Controls : public QWidget {
    Q_OBJECT

  public:
    Form1Controls(Resolution resolution, const QFont& scoreFont, QWidget* parent);

    QLabel* scoreLabel(ScoreLabel label) const {
        return label == ScoreLabel::Wins ? wins_ : losses_;
    }
    QLabel* label2() const { return label2_; }
    ColorButton* colorButton(int index) const;
    int elementCount(ControlArray array) const;

    // Square `index` as drawn: its place in this widget's pixels, colour and visibility.
    QRect squareGeometry(int index) const { return existingSquare(index).pixels; }
    QColor squareColor(int index) const { return existingSquare(index).color; }
    bool isSquareVisible(int index) const { return existingSquare(index).visible; }

    // The window operations. An element that does not exist, or one that exists already when
    // it is created, is a failing window operation (GameError).
    void createElement(ControlArray array, int index);
    void setTop(ControlArray array, int index, int twips);
    void setLeft(ControlArray array, int index, int twips);
    void setVisible(ControlArray array, int index, bool visible);
    void setBackColor(ControlArray array, int index, ColorValue color);
    void setCaption(ScoreLabel label, const QString& text);

  signals:
    void colorClicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Square {
        design::TwipsRect twips;
        QRect pixels;
        QColor color;
        bool visible;
    };
    struct Button {
        ColorButton* widget;
        design::TwipsRect twips;
    };

    QLabel* createLabel(const design::TwipsRect& twips, std::string_view caption);
    ColorButton* createColorButton(int index);
    Square& existingSquare(int index);
    const Square& existingSquare(int index) const;
    Button& existingButton(int index);
    void moveSquare(Square& square, const design::TwipsRect& twips);
    void moveButton(Button& button, const design::TwipsRect& twips);
    // Set Top and Set Left: one edge of a square or a button moves, in twips.
    void moveEdge(ControlArray array, int index, int design::TwipsRect::*edge, int twips);
    void stepFocus(int fromIndex, int step);

    Resolution resolution_;
    QFont scoreFont_;
    QLabel* wins_ = nullptr;
    QLabel* losses_ = nullptr;
    QLabel* label2_ = nullptr;
    std::map<int, Square> squares_;
    std::map<int, Button> buttons_;
};

// The score labels' font: "OCR A Extended" where installed, else an OCR-A face, else any
// bold monospace face.
QFont scoreFont();

}  // namespace tinzel::qt
