// The form model's window operations, and the errors they report.
#include "ui/form_model.h"

#include "game/counts.h"
#include "game/game_error.h"
#include "game/number_functions.h"
#include "game/palette.h"
#include "ui/color_name.h"

namespace tinzel {

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw GameError(GameError::Kind::WindowOperationFailed, what);
}

// Room for every element a load makes, so dealing a board never reallocates.
constexpr std::size_t kSquareRoom = kSquareCount + 1;
constexpr std::size_t kButtonRoom = kButtonCount;

}  // namespace

std::string elementName(ControlArray array, int index) {
    return std::string(array == ControlArray::Square ? "Square(" : "Color(") + decimal(index) + ")";
}

FormModel::FormModel()
    : wins_(design::kWinsCaption),
      losses_(design::kLossesCaption),
      squares_(kSquareRoom),
      buttons_(kButtonRoom) {
    // The template square is never shown, and every copy is coloured before the window is.
    squares_[0] = Element{design::kSquare, 0, false};
    buttons_[0] = Element{design::kColorButton, Palette[0], true};
}

const std::string& FormModel::caption(ScoreLabel label) const {
    return label == ScoreLabel::Wins ? wins_ : losses_;
}

void FormModel::setCaption(ScoreLabel label, std::string_view text) {
    (label == ScoreLabel::Wins ? wins_ : losses_) = text;
}

std::vector<std::optional<Element>>& FormModel::elements(ControlArray array) {
    return array == ControlArray::Square ? squares_ : buttons_;
}

const std::vector<std::optional<Element>>& FormModel::elements(ControlArray array) const {
    return array == ControlArray::Square ? squares_ : buttons_;
}

bool FormModel::exists(ControlArray array, int index) const {
    const auto& all = elements(array);
    return index >= 0 && static_cast<std::size_t>(index) < all.size() &&
           all[static_cast<std::size_t>(index)].has_value();
}

Element& FormModel::existing(ControlArray array, int index) {
    if (!exists(array, index)) {
        fail(elementName(array, index) + " does not exist");
    }
    return *elements(array)[static_cast<std::size_t>(index)];
}

const Element& FormModel::element(ControlArray array, int index) const {
    return const_cast<FormModel*>(this)->existing(array, index);
}

int FormModel::elementCount(ControlArray array) const {
    int count = 0;
    for (const auto& element : elements(array)) {
        count += element.has_value() ? 1 : 0;
    }
    return count;
}

int FormModel::lastIndex(ControlArray array) const {
    return static_cast<int>(elements(array).size()) - 1;
}

void FormModel::createElement(ControlArray array, int index) {
    if (index < 1) {
        fail("Cannot create " + elementName(array, index) +
             ": elements made at run time start at 1");
    }
    if (exists(array, index)) {
        fail("Cannot create " + elementName(array, index) + ": it exists already");
    }
    auto& all = elements(array);
    if (static_cast<std::size_t>(index) >= all.size()) {
        all.resize(static_cast<std::size_t>(index) + 1);
    }
    Element copy = *all[0];
    copy.visible = false;
    all[static_cast<std::size_t>(index)] = copy;
}

void FormModel::setTop(ControlArray array, int index, int twips) {
    existing(array, index).rect.top = twips;
}

void FormModel::setLeft(ControlArray array, int index, int twips) {
    existing(array, index).rect.left = twips;
}

void FormModel::setVisible(ControlArray array, int index, bool visible) {
    existing(array, index).visible = visible;
}

void FormModel::setBackColor(ControlArray array, int index, ColorValue color) {
    existing(array, index).backColor = color;
}

std::string FormModel::accessibleName(int index) const {
    return colorName(element(ControlArray::Color, index).backColor);
}

int FormModel::neighbourButton(int index, int step) const {
    const int next = index + step;
    return exists(ControlArray::Color, next) && element(ControlArray::Color, next).visible ? next
                                                                                           : index;
}

}  // namespace tinzel
