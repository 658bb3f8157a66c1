// The page's labels and colour buttons, as a round's steps (ui/control_sink.h) make them: the
// labels are made and set at once, and the buttons' steps are gathered for the page's one
// call a render, with the squares.
#pragma once

#include <string>
#include <vector>

#include "ui/control_sink.h"
#include "ui/web/page.h"

namespace tinzel::web {

class PageControls final : public ControlSink {
  public:
    // Applies the round; its buttons' steps are then ready.
    void apply(const FormModel& model, const FormChanges& changes);

    // The round's steps, one element a button that has any, in index order; and the names of
    // those filled, one a line, in the same order.
    const std::vector<PageElement>& buttonSteps() const { return buttonSteps_; }
    const std::string& buttonNames() const { return buttonNames_; }

  private:
    void makeScore(ScoreLabel label, const design::TwipsRect& rect,
                   std::string_view caption) override;
    void makeLabel2(const design::TwipsRect& rect, std::string_view caption) override;
    void setCaption(ScoreLabel label, std::string_view caption) override;
    bool hasButton(int index) const override;
    void makeButton(int index) override;
    void placeButton(int index, const design::TwipsRect& rect) override;
    void fillButton(int index, ColorValue color, std::string_view name) override;
    void showButton(int index, bool shown) override;
    // The page's buttons follow its labels, and so are drawn over them.
    void putLabelsUnderButtons() override {}

    PageElement& steps(int index);

    std::vector<char> madeButtons_;
    std::vector<PageElement> buttonSteps_;
    std::string buttonNames_;
};

}  // namespace tinzel::web
