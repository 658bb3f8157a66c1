// The recording stand-in for the window: each runtime call the game makes, written down.
#include "tests/recording_runtime.h"

#include <stdexcept>

#include "game/game_error.h"

namespace tinzel::testing {

void RecordingRuntime::record(const std::string& call) {
    if (recording_) {
        calls_.push_back(call);
    }
}

FormModel& RecordingRuntime::loadedForm() {
    if (!form_) {
        throw GameError(GameError::Kind::WindowOperationFailed, "the window is not loaded");
    }
    return *form_;
}

void RecordingRuntime::setCaption(ScoreLabel label, std::string_view text) {
    record(std::string(label == ScoreLabel::Wins ? "Wins" : "Losses") +
           ".Caption = " + std::string(text));
    loadedForm().setCaption(label, text);
}

void RecordingRuntime::createElement(ControlArray array, int index) {
    record("create " + elementName(array, index));
    loadedForm().createElement(array, index);
}

void RecordingRuntime::setTop(ControlArray array, int index, int twips) {
    record(elementName(array, index) + ".Top = " + std::to_string(twips));
    loadedForm().setTop(array, index, twips);
}

void RecordingRuntime::setLeft(ControlArray array, int index, int twips) {
    record(elementName(array, index) + ".Left = " + std::to_string(twips));
    loadedForm().setLeft(array, index, twips);
}

void RecordingRuntime::setVisible(ControlArray array, int index, bool visible) {
    record(elementName(array, index) + ".Visible = " + (visible ? "true" : "false"));
    loadedForm().setVisible(array, index, visible);
}

void RecordingRuntime::setBackColor(ControlArray array, int index, ColorValue color) {
    record(elementName(array, index) + ".BackColor = " + std::to_string(color));
    loadedForm().setBackColor(array, index, color);
}

void RecordingRuntime::unloadForm() {
    record("unloadForm");
    loadedForm();
    form_.reset();
    visible_ = false;
}

void RecordingRuntime::showForm() {
    record("showForm");
    if (!form_) {
        if (events_ == nullptr) {
            throw std::logic_error("RecordingRuntime: showForm() with no game attached");
        }
        form_.emplace();
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
