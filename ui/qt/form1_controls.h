// Everything on the window Form1 for one load: the design-time controls and the squares and
// buttons the game creates. One load's controls are destroyed together when it unloads.
#pragma once

#include <QLabel>
#include <QWidget>
#include <map>

#include "ui/form_design.h"
#include "ui/qt/color_button.h"
#include "ui/qt/twips.h"
#include "ui/runtime_services.h"

namespace tinzel::qt {

class Form1Controls : public QWidget {
    Q_OBJECT

  public:
    Form1Controls(Resolution resolution, QWidget* parent);

    QLabel* scoreLabel(ScoreLabel label) const {
        return label == ScoreLabel::Wins ? wins_ : losses_;
    }
    QLabel* label2() const { return label2_; }
    // Element `index` of an array; a missing one is a failing window operation (GameError).
    QWidget* element(ControlArray array, int index) const;
    QLabel* square(int index) const;
    ColorButton* colorButton(int index) const;
    int elementCount(ControlArray array) const;

    void createElement(ControlArray array, int index);
    void setTop(ControlArray array, int index, int twips);
    void setLeft(ControlArray array, int index, int twips);
    void setBackColor(ControlArray array, int index, ColorValue color);
    void setCaption(ScoreLabel label, const QString& text);

  signals:
    void colorClicked(int index);

  private:
    struct Element {
        QWidget* widget;
        design::TwipsRect twips;
    };

    QLabel* createLabel(const design::TwipsRect& twips, std::string_view caption);
    QLabel* createSquare(int index);
    ColorButton* createColorButton(int index);
    void place(Element& element);
    Element& existing(ControlArray array, int index);
    const Element& existing(ControlArray array, int index) const;
    void stepFocus(int fromIndex, int step);

    Resolution resolution_;
    QLabel* wins_ = nullptr;
    QLabel* losses_ = nullptr;
    QLabel* label2_ = nullptr;
    std::map<int, Element> squares_;
    std::map<int, Element> buttons_;
};

// The score labels' font: "OCR A Extended" where installed, else an OCR-A face, else any
// bold monospace face.
QFont scoreFont();

}  // namespace tinzel::qt
