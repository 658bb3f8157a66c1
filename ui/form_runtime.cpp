// The runtime services over the form model: loads, renders, focus, messages, the end.
#include "ui/form_runtime.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>

#include "game/game_error.h"
#include "ui/round_news.h"

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

FormModel& FormRuntime::loadedModel() {
    if (!model_) {
        throw GameError(GameError::Kind::WindowOperationFailed,
                        "The window is not loaded: it has no controls");
    }
    return *model_;
}

// A load's writes are held in its model and drawn whole at the show; a write to the shown
// window is drawn at once.
void FormRuntime::drawIfShown() {
    if (shown_) {
        render();
    }
}

FormChanges FormRuntime::render() {
    FormChanges changes = changesBetween(drawn_ ? &*drawn_ : nullptr, *model_);
    if (!changes.empty()) {
        view_->render(*model_, changes);
        drawn_ = *model_;
    }
    return changes;
}

void FormRuntime::setCaption(ScoreLabel label, std::string_view text) {
    loadedModel().setCaption(label, text);
    drawIfShown();
}

void FormRuntime::createElement(ControlArray array, int index) {
    loadedModel().createElement(array, index);
    drawIfShown();
}

void FormRuntime::setTop(ControlArray array, int index, int twips) {
    loadedModel().setTop(array, index, twips);
    drawIfShown();
}

void FormRuntime::setLeft(ControlArray array, int index, int twips) {
    loadedModel().setLeft(array, index, twips);
    drawIfShown();
}

void FormRuntime::setVisible(ControlArray array, int index, bool visible) {
    loadedModel().setVisible(array, index, visible);
    drawIfShown();
}

void FormRuntime::setBackColor(ControlArray array, int index, ColorValue color) {
    loadedModel().setBackColor(array, index, color);
    drawIfShown();
}

void FormRuntime::unloadForm() {
    loadedModel();
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
        // Drawn only after the load: the player never sees a half-dealt board.
        events_->Form_Load();
    }
    const FormChanges changes = render();
    view_->showWindow();
    shown_ = true;
    const bool focusShown = model_->exists(ControlArray::Color, focusIndex_) &&
                            model_->element(ControlArray::Color, focusIndex_).visible;
    view_->focusButton(focusShown ? focusIndex_ : 0);
    // Told once the focus is where it stays, so that no focus change talks over it.
    if (const std::string news = roundNews(changes, *model_); !news.empty()) {
        view_->announce(news);
    }
}

void FormRuntime::messageBox(std::string_view text) {
    // A message during a load (the end of the game) shows no half-built window behind it.
    // The score that load wrote is never drawn, so it is told before the message: the tenth
    // win is heard like every other.
    if (!shown_) {
        view_->hideWindow();
        if (model_ && drawn_) {
            if (const std::string news = roundNews(changesBetween(&*drawn_, *model_), *model_);
                !news.empty()) {
                view_->announce(news);
            }
        }
    }
    view_->showMessage(text, false);
}

void FormRuntime::endProgram() {
    throw ProgramEnded{};
}

std::uint64_t FormRuntime::clockReading() {
    // The time of day, as finely as the system keeps it: it differs from one start of the
    // program to the next. (The processor time the program has used does not: it starts near
    // 0 every time, and the page opened on the same board at every load.) C's clock where the
    // C library has one, as on the page, where the standard clock would bring the C library's
    // formatting of error messages, for a failure that cannot happen here.
#ifdef TIME_UTC
    std::timespec now{};
    if (std::timespec_get(&now, TIME_UTC) == 0) {
        return static_cast<std::uint64_t>(std::clock());
    }
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000U +
           static_cast<std::uint64_t>(now.tv_nsec);
#else
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count());
#endif
}

}  // namespace tinzel
