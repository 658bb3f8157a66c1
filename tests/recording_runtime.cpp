#include "tests/recording_runtime.h"

#include <stdexcept>

#include "game/game_error.h"
#include "game/palette.h"

namespace tinzel::testing {

std::string describe(ControlArray array, int index) {
    return std::string(array == ControlArray::Square ? "Square(" : "Color(") +
           std::to_string(index) + ")";
}

const std::string& RecordingRuntime::caption(ScoreLabel label) const {
    return captions_.at(label);
}

const std::map<int, RecordingRuntime::Element>& RecordingRuntime::elements(
    ControlArray array) const {
    return elements_.at(array);
}

void RecordingRuntime::record(const std::string& call) {
    if (recording_) {
        calls_.push_back(call);
    }
}

// The window as it stands after a load, before the game has touched it.
void RecordingRuntime::loadDesign() {
    loaded_ = true;
    captions_[ScoreLabel::Wins] = "WINS: 0";
    captions_[ScoreLabel::Losses] = "LOST: 0";
    elements_[ControlArray::Square] = {{0, Element{false, 0, 4440, 0}}};
    elements_[ControlArray::Color] = {{0, Element{true, 0, 4920, Palette[0]}}};
}

RecordingRuntime::Element& RecordingRuntime::existing(ControlArray array, int index,
                                                      const char* operation) {
    auto& elements = elements_[array];
    auto found = elements.find(index);
    if (!loaded_ || found == elements.end()) {
        throw GameError(GameError::Kind::WindowOperationFailed,
                        std::string(operation) + " on missing " + describe(array, index));
    }
    return found->second;
}

void RecordingRuntime::setCaption(ScoreLabel label, std::string_view text) {
    record(std::string(label == ScoreLabel::Wins ? "Wins" : "Losses") +
           ".Caption = " + std::string(text));
    captions_[label] = std::string(text);
}

void RecordingRuntime::createElement(ControlArray array, int index) {
    record("create " + describe(array, index));
    auto& elements = elements_[array];
    if (!loaded_ || index < 1 || elements.count(index) != 0) {
        throw GameError(GameError::Kind::WindowOperationFailed,
                        "cannot create " + describe(array, index));
    }
    Element copy = elements.at(0);
    copy.visible = false;
    elements[index] = copy;
}

void RecordingRuntime::setTop(ControlArray array, int index, int twips) {
    record(describe(array, index) + ".Top = " + std::to_string(twips));
    existing(array, index, "Top").top = twips;
}

void RecordingRuntime::setLeft(ControlArray array, int index, int twips) {
    record(describe(array, index) + ".Left = " + std::to_string(twips));
    existing(array, index, "Left").left = twips;
}

void RecordingRuntime::setVisible(ControlArray array, int index, bool visible) {
    record(describe(array, index) + ".Visible = " + (visible ? "true" : "false"));
    existing(array, index, "Visible").visible = visible;
}

void RecordingRuntime::setBackColor(ControlArray array, int index, ColorValue color) {
    record(describe(array, index) + ".BackColor = " + std::to_string(color));
    existing(array, index, "BackColor").backColor = color;
}

void RecordingRuntime::unloadForm() {
    record("unloadForm");
    loaded_ = false;
    visible_ = false;
    elements_.clear();
    captions_.clear();
}

void RecordingRuntime::showForm() {
    record("showForm");
    if (!loaded_) {
        if (events_ == nullptr) {
            throw std::logic_error("RecordingRuntime: showForm() with no game attached");
        }
        loadDesign();
        ++loadsRun_;
        events_->Form_Load();
    }
    visible_ = true;
}

void RecordingRuntime::messageBox(std::string_view text) {
    record("messageBox " + std::string(text));
    messages_.emplace_back(text);
}

void RecordingRuntime::endProgram() {
    record("endProgram");
    ended_ = true;
    throw ProgramEnded{};
}

std::uint64_t RecordingRuntime::clockReading() {
    record("clockReading");
    return static_cast<std::uint64_t>(++seedsTaken_);
}

}  // namespace tinzel::testing
