// What a screen reader finds in the window, in the order every window gives it.
#include "ui/panel_reading.h"

#include <gtest/gtest.h>

namespace tinzel {
namespace {

std::string kinds(const std::vector<PanelChild>& children) {
    std::string read;
    for (const PanelChild& child : children) {
        switch (child.kind) {
            case PanelChild::Kind::Board:
                read += "board ";
                break;
            case PanelChild::Kind::Button:
                read += "button " + std::to_string(child.button) + " ";
                break;
            case PanelChild::Kind::Score:
                read += child.score == ScoreLabel::Wins ? "wins " : "losses ";
                break;
        }
    }
    return read;
}

TEST(PanelReading, TheBoardThenTheShownButtonsFromTheTopThenWinsAndLosses) {
    FormModel form;
    for (int index = 1; index <= 3; ++index) {
        form.createElement(ControlArray::Color, index);
    }
    form.setVisible(ControlArray::Color, 3, true);
    form.setVisible(ControlArray::Color, 1, true);
    EXPECT_EQ(kinds(panelChildren(&form)), "board button 0 button 1 button 3 wins losses ")
        << "button 2 is hidden, and Label2 is never read";
    EXPECT_EQ(kinds(panelChildren(nullptr)), "board wins losses ") << "between rounds";
}

}  // namespace
}  // namespace tinzel
