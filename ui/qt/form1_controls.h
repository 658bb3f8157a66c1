// The widgets of the window Form1, drawn from the form model of each load: the board, the
// labels and the colour buttons. Each widget is made the first time a render has its element
// and kept to the end, so a round only sets them again.
#pragma once

#include <QLabel>
#include <QWidget>
#include <vector>

#include "ui/control_sink.h"
#include "ui/form_changes.h"
#include "ui/form_model.h"
#include "ui/qt/board.h"
#include "ui/qt/color_button.h"
#include "ui/qt/conversions.h"
#include "ui/qt/news_line.h"
#include "ui/qt/score_display.h"

namespace tinzel::testing {
class Form1ControlsPeer;
}

namespace tinzel::qt {

// Everything that takes input (the colour buttons) or shows text is a widget over the board.
class Form1Controls : public QWidget, private ControlSink {
    Q_OBJECT

  public:
    Form1Controls(Resolution resolution, const QFont& scoreFont, QWidget* parent);

    // Draws `model` as `changes` say it differs from what was drawn last: the first render
    // makes the design's controls, a button is made the first time it appears, and one that
    // vanished is hidden. `model` lives until `unload()`.
    void render(const FormModel& model, const FormChanges& changes);
    void unload();

    // This round's model, or null between rounds.
    const FormModel* model() const { return model_; }
    // Colour button `index`, or null if it does not exist.
    ColorButton* colorButton(int index) const;
    Board* board() const { return board_; }
    // A round's news, for a screen reader (ui/qt/news_line.h); it goes at the unload.
    NewsLine* newsLine() const { return news_; }
    // The score labels, Label2 aside: what assistive technology reads besides the board and
    // the buttons. Null before the first render.
    ScoreDisplay* scoreLabel(ScoreLabel label) const {
        return label == ScoreLabel::Wins ? wins_ : losses_;
    }

  signals:
    void colorClicked(int index);

  private:
    // The window's tests reach the labels and the drawn squares through
    // tests/qt/form1_controls_peer.h.
    friend class testing::Form1ControlsPeer;

    QRect pixels(const design::TwipsRect& twips) const { return toQRect(twips, resolution_); }

    // The round's steps (ui/control_sink.h), as widgets.
    void makeScore(ScoreLabel label, const design::TwipsRect& rect,
                   std::string_view caption) override;
    void makeLabel2(const design::TwipsRect& rect, std::string_view caption) override;
    void setCaption(ScoreLabel label, std::string_view caption) override;
    bool hasButton(int index) const override { return colorButton(index) != nullptr; }
    void makeButton(int index) override;
    void placeButton(int index, const design::TwipsRect& rect) override;
    void fillButton(int index, ColorValue color, std::string_view name) override;
    void showButton(int index, bool shown) override;
    void putLabelsUnderButtons() override;

    void stepFocus(int fromIndex, int step);

    const FormModel* model_ = nullptr;
    Resolution resolution_;
    QFont scoreFont_;
    Board* board_;
    ScoreDisplay* wins_ = nullptr;
    ScoreDisplay* losses_ = nullptr;
    QLabel* label2_ = nullptr;
    std::vector<ColorButton*> buttons_;
    NewsLine* news_;
};

// The score labels' font: "OCR A Extended" where installed, else an OCR-A face, else any
// bold monospace face.
QFont scoreFont();

}  // namespace tinzel::qt
