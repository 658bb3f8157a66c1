// A stand-in for the window at the game's seam: it records every call the game makes, and
// keeps the window's controls in the same form model the real windows use.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/form_events.h"
#include "game/runtime_services.h"
#include "ui/form_model.h"

namespace tinzel::testing {

class RecordingRuntime : public RuntimeServices {
  public:
    // The handler that a load calls, as the window's module would be attached at start-up.
    void attach(FormEvents& events) { events_ = &events; }

    // Thousands of rounds go faster without a log of every call.
    void setRecording(bool recording) { recording_ = recording; }

    const std::vector<std::string>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    int seedsTaken() const { return seedsTaken_; }
    int loadsRun() const { return loadsRun_; }
    bool loaded() const { return form_.has_value(); }
    bool visible() const { return visible_; }
    bool ended() const { return ended_; }
    // This load's controls; a test that asks while the window is unloaded fails.
    const FormModel& form() const { return form_.value(); }
    const std::string& caption(ScoreLabel label) const { return form().caption(label); }
    const std::vector<std::string>& messages() const { return messages_; }

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
    // Counts up from 1: every round start reads a new time.
    std::uint64_t clockReading() override;

  private:
    void record(const std::string& call);
    FormModel& loadedForm();

    FormEvents* events_ = nullptr;
    bool recording_ = true;
    std::vector<std::string> calls_;
    std::vector<std::string> messages_;
    int seedsTaken_ = 0;
    int loadsRun_ = 0;
    bool visible_ = false;
    bool ended_ = false;
    std::optional<FormModel> form_;
};

}  // namespace tinzel::testing
