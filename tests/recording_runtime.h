// A stand-in for the window: it records every call the game makes and keeps a model of the
// window's controls.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "game/form_events.h"
#include "game/runtime_services.h"

namespace tinzel::testing {

class RecordingRuntime : public RuntimeServices {
  public:
    struct Element {
        bool visible = false;
        int top = 0;
        int left = 0;
        ColorValue backColor = 0;
    };

    // The handler that a load calls, as the window's module would be attached at start-up.
    void attach(FormEvents& events) { events_ = &events; }

    // Thousands of rounds go faster without a log of every call.
    void setRecording(bool recording) { recording_ = recording; }

    const std::vector<std::string>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    int seedsTaken() const { return seedsTaken_; }
    int loadsRun() const { return loadsRun_; }
    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    bool ended() const { return ended_; }
    const std::string& caption(ScoreLabel label) const;
    const std::map<int, Element>& elements(ControlArray array) const;
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
    void loadDesign();
    Element& existing(ControlArray array, int index, const char* operation);

    FormEvents* events_ = nullptr;
    bool recording_ = true;
    std::vector<std::string> calls_;
    std::vector<std::string> messages_;
    int seedsTaken_ = 0;
    int loadsRun_ = 0;
    bool loaded_ = false;
    bool visible_ = false;
    bool ended_ = false;
    std::map<ScoreLabel, std::string> captions_;
    std::map<ControlArray, std::map<int, Element>> elements_;
};

std::string describe(ControlArray array, int index);

}  // namespace tinzel::testing
