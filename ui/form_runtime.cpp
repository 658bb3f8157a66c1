#include "ui/form_runtime.h"

#include <chrono>
#include <cstdint>
#include <string>

#include "game/game_error.h"

namespace tinzel {

void FormRuntime::start() {
    guard([this] { showForm(); });
}

void FormRuntime::click(int index) {
    guard([this, index] {
        if (events_ != nullptr) {
            events_->Color_Click(static_cast<std::int16_t>(index));
        }
    });
}

void FormRuntime::close() {
    if (!ended_) {
        finish(0);
    }
}

std::string FormRuntime::errorText(std::string_view what) {
    return "Tinzel has stopped because of an error:\n\n" + std::string(what);
}

void FormRuntime::report(std::string_view what) {
    try {
        view_->hideWindow();
        view_->showMessage(errorText(what), true);
    } catch (...) {
        // The report itself failed: the exit status still tells.
    }
    finish(1);
}

void FormRuntime::finish(int exitStatus) {
    ended_ = true;
    exitStatus_ = exitStatus;
    view_->hideWindow();
    view_->finished(exitStatus);
}

FormModel& FormRuntime::loaded() {
    if (!model_) {
        throw GameError(GameError::Kind::WindowOperationFailed,
                        "The window is not loaded: it has no controls");
    }
    return *model_;
}

void FormRuntime::setCaption(ScoreLabel label, std::string_view text) {
    loaded().setCaption(label, text);
    view_->captionChanged(label);
}

void FormRuntime::createElement(ControlArray array, int index) {
    FormModel& model = loaded();
    model.createElement(array, index);
    view_->elementChanged(array, index, ElementChange::Created, model.element(array, index).rect);
}

void FormRuntime::setTop(ControlArray array, int index, int twips) {
    FormModel& model = loaded();
    const design::TwipsRect before = model.element(array, index).rect;
    model.setTop(array, index, twips);
    view_->elementChanged(array, index, ElementChange::Moved, before);
}

void FormRuntime::setLeft(ControlArray array, int index, int twips) {
    FormModel& model = loaded();
    const design::TwipsRect before = model.element(array, index).rect;
    model.setLeft(array, index, twips);
    view_->elementChanged(array, index, ElementChange::Moved, before);
}

void FormRuntime::setVisible(ControlArray array, int index, bool visible) {
    FormModel& model = loaded();
    model.setVisible(array, index, visible);
    view_->elementChanged(array, index, ElementChange::Visibility,
                          model.element(array, index).rect);
}

void FormRuntime::setBackColor(ControlArray array, int index, ColorValue color) {
    FormModel& model = loaded();
    model.setBackColor(array, index, color);
    view_->elementChanged(array, index, ElementChange::BackColor, model.element(array, index).rect);
}

void FormRuntime::unloadForm() {
    loaded();
    // The player's place in the column is kept for the next round.
    if (const int focused = view_->focusedButton(); focused >= 0) {
        focusIndex_ = focused;
    }
    model_.reset();
    shown_ = false;
    view_->unloaded();
}

void FormRuntime::showForm() {
    if (!model_) {
        if (events_ == nullptr || view_ == nullptr) {
            throw GameError(GameError::Kind::WindowOperationFailed,
                            "The window was shown before the game was attached");
        }
        model_.emplace();
        view_->loaded(*model_);
        // Shown only after the load: the player never sees a half-dealt board.
        events_->Form_Load();
    }
    view_->showWindow();
    shown_ = true;
    view_->focusButton(model_->exists(ControlArray::Color, focusIndex_) ? focusIndex_ : 0);
}

void FormRuntime::messageBox(std::string_view text) {
    // A message during a load (the end of the game) shows no half-built window behind it.
    if (!shown_) {
        view_->hideWindow();
    }
    view_->showMessage(text, false);
}

void FormRuntime::endProgram() {
    throw ProgramEnded{};
}

std::uint64_t FormRuntime::clockReading() {
    // Any clock that moves between rounds seeds them apart; the steady one never goes back.
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace tinzel
