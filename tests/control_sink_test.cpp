// The steps a render takes on a window's controls, which every front end only carries out.
#include "ui/control_sink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/palette.h"

namespace tinzel {
namespace {

// Writes down each step, and keeps which buttons it has made, as a window does.
class RecordingSink final : public ControlSink {
  public:
    std::vector<std::string> steps;

  private:
    void makeScore(ScoreLabel label, const design::TwipsRect& rect,
                   std::string_view caption) override {
        record((label == ScoreLabel::Wins ? "make Wins " : "make Losses ") + std::string(caption) +
               " at " + std::to_string(rect.left) + "," + std::to_string(rect.top));
    }
    void makeLabel2(const design::TwipsRect& /*rect*/, std::string_view caption) override {
        record("make " + std::string(caption));
    }
    void setCaption(ScoreLabel label, std::string_view caption) override {
        record((label == ScoreLabel::Wins ? "Wins " : "Losses ") + std::string(caption));
    }
    bool hasButton(int index) const override {
        return static_cast<std::size_t>(index) < made_.size() &&
               made_[static_cast<std::size_t>(index)];
    }
    void makeButton(int index) override {
        made_.resize(std::max(made_.size(), static_cast<std::size_t>(index) + 1), false);
        made_[static_cast<std::size_t>(index)] = true;
        record("make button " + std::to_string(index));
    }
    void placeButton(int index, const design::TwipsRect& rect) override {
        record("place button " + std::to_string(index) + " at top " + std::to_string(rect.top));
    }
    void fillButton(int index, ColorValue color, std::string_view name) override {
        record("fill button " + std::to_string(index) + " " + std::to_string(color) + " " +
               std::string(name));
    }
    void showButton(int index, bool shown) override {
        record((shown ? "show button " : "hide button ") + std::to_string(index));
    }
    void putLabelsUnderButtons() override { record("labels under buttons"); }

    void record(std::string step) { steps.push_back(std::move(step)); }
    std::vector<bool> made_;
};

// A load as the game makes one: button 1 under button 0, in colour 2.
FormModel dealt() {
    FormModel form;
    form.createElement(ControlArray::Color, 1);
    form.setTop(ControlArray::Color, 1, 400);
    form.setBackColor(ControlArray::Color, 1, Palette[2]);
    form.setVisible(ControlArray::Color, 1, true);
    return form;
}

std::vector<std::string> renderBetween(RecordingSink& sink, const FormModel* drawn,
                                       const FormModel& now) {
    sink.steps.clear();
    applyRound(now, changesBetween(drawn, now), sink);
    return sink.steps;
}

TEST(ControlSink, TheFirstRenderMakesTheDesignInItsOrderAndEveryShownButtonWhole) {
    RecordingSink sink;
    const FormModel now = dealt();
    const std::string black = std::to_string(Palette[0]);
    const std::string green = std::to_string(Palette[2]);
    EXPECT_EQ(renderBetween(sink, nullptr, now),
              (std::vector<std::string>{
                  "make button 0",
                  "make Losses LOST: 0 at 6000,360",
                  "make Label2",
                  "make Wins WINS: 0 at 6000,0",
                  // Made already, button 0 is only set: placed, filled and named, shown.
                  "place button 0 at top " + std::to_string(design::kColorButton.top),
                  "fill button 0 " + black + " " + now.accessibleName(0),
                  "show button 0",
                  "make button 1",
                  "place button 1 at top 400",
                  "fill button 1 " + green + " " + now.accessibleName(1),
                  "show button 1",
                  "labels under buttons",
              }));
}

// A round writes over the controls of the round before: only what changed, and a button
// that vanished is hidden, never destroyed.
TEST(ControlSink, ALaterRoundTakesOnlyTheStepsOfWhatChanged) {
    RecordingSink sink;
    const FormModel first = dealt();
    renderBetween(sink, nullptr, first);

    FormModel second = dealt();
    second.setCaption(ScoreLabel::Wins, "WINS: 1");
    second.setTop(ControlArray::Color, 0, 800);
    second.setBackColor(ControlArray::Color, 1, Palette[5]);
    EXPECT_EQ(renderBetween(sink, &first, second),
              (std::vector<std::string>{
                  "Wins WINS: 1",
                  "place button 0 at top 800",
                  "fill button 1 " + std::to_string(Palette[5]) + " " + second.accessibleName(1),
              }))
        << "no button was made, so the labels stay where they are";

    FormModel third = second;
    third.setVisible(ControlArray::Color, 1, false);
    third.createElement(ControlArray::Color, 2);
    third.setVisible(ControlArray::Color, 2, true);
    EXPECT_EQ(renderBetween(sink, &second, third),
              (std::vector<std::string>{
                  "hide button 1",
                  "make button 2",
                  "place button 2 at top 800",  // a copy of button 0
                  "fill button 2 " + std::to_string(Palette[0]) + " " + third.accessibleName(2),
                  "show button 2",
                  "labels under buttons",
              }));

    // Shown again, a button kept from before is set whole but not made again.
    EXPECT_EQ(renderBetween(sink, &third, second),
              (std::vector<std::string>{
                  "place button 1 at top 400",
                  "fill button 1 " + std::to_string(Palette[5]) + " " + second.accessibleName(1),
                  "show button 1",
                  "hide button 2",
              }));
}

}  // namespace
}  // namespace tinzel
