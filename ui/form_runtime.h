// The game's runtime on any toolkit: the window's controls (a FormModel a load), the rules
// every window obeys, and the one event boundary. A front end supplies a FormView to show it
// and delivers its toolkit's input here; it decides nothing of its own.
#pragma once

#include <exception>
#include <optional>
#include <string>

#include "game/form_events.h"
#include "game/runtime_services.h"
#include "ui/form_model.h"
#include "ui/form_view.h"

namespace tinzel {

class FormRuntime final : public RuntimeServices {
  public:
    // The view is set once, before `start()`.
    void setView(FormView& view) { view_ = &view; }
    // The game that answers the window's events; set once, before `start()`.
    void attach(FormEvents& events) { events_ = &events; }

    // The event boundary. Each delivers one event to the game; the end of the program, an
    // error report and the close box all end here, and nothing the game throws gets past.
    // Start-up: shows the window, which loads it and so deals the first round.
    void start();
    // The player activated colour button `index`, by mouse or keyboard.
    void click(int index);
    // The player closed the window: the game is over, and the score is not kept.
    void close();
    // Runs `work`, a toolkit callback's own, under the same boundary: a front end wraps
    // every callback that can fail in this, so no exception crosses a toolkit's frames.
    template <typename Work>
    void guard(Work&& work);

    // The error report's text for an error that no one handled.
    static std::string errorText(std::string_view what);

    bool hasEnded() const { return ended_; }
    int exitStatus() const { return exitStatus_; }

    void setCaption(ScoreLabel label, std::string_view text) override;
    void createElement(ControlArray array, int index) override;
    void setTop(ControlArray array, int index, int twips) override;
    void setLeft(ControlArray array, int index, int twips) override;
    void setVisible(ControlArray array, int index, bool visible) override;
    void setBackColor(ControlArray array, int index, ColorValue color) override;
    void unloadForm() override;
    void showForm() override;
    void messageBox(std::string_view text) override;
    [[noreturn]] void endProgram() override;
    std::uint64_t clockReading() override;

  private:
    // This load's model; a window operation between loads fails (GameError).
    FormModel& loadedModel();
    void drawIfShown();
    // Hands the view what changed since it last drew, and returns that.
    FormChanges render();
    void report(std::string_view what);
    void finish(int exitStatus);

    FormView* view_ = nullptr;
    FormEvents* events_ = nullptr;
    std::optional<FormModel> model_;
    // The model as the view last drew it, from round to round.
    std::optional<FormModel> drawn_;
    int focusIndex_ = 0;
    bool shown_ = false;
    bool ended_ = false;
    int exitStatus_ = 0;
};

template <typename Work>
void FormRuntime::guard(Work&& work) {
    if (ended_) {
        return;
    }
    try {
        work();
    } catch (const ProgramEnded&) {
        finish(0);
    } catch (const std::exception& error) {
        report(error.what());
    } catch (...) {
        report("an error of unknown kind");
    }
}

}  // namespace tinzel
