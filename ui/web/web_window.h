// The window Form1 as a page: the form model rendered as real DOM elements by the page's
// script (form1_page.js), so that assistive technology reads the board and the buttons.
#pragma once

#include "ui/form_runtime.h"
#include "ui/form_view.h"
#include "ui/fresh_presses.h"
#include "ui/web/page_controls.h"

namespace tinzel::web {

class WebWindow final : public FormView {
  public:
    explicit WebWindow(FormRuntime& runtime);

    void render(const FormModel& model, const FormChanges& changes) override;
    void unloaded() override;
    void showWindow() override;
    void hideWindow() override;
    int focusedButton() const override;
    void focusButton(int index) override;
    void announce(std::string_view news) override;
    // The browser cannot wait for the player here: the dialog opens and this returns. The
    // page holds back what follows (the game's end) until the player dismisses it.
    void showMessage(std::string_view text, bool isError) override;
    void finished(int exitStatus) override;

    // Up (-1) or Down (+1) pressed on colour button `index`.
    void stepFocus(int index, int step);

    // Whether a key going down or up may act, on a colour button or on the open message.
    bool keyActs(bool onMessage, bool down, int key, bool autoRepeat);

  private:
    FreshPresses buttonKeys_;
    FreshPresses messageKeys_;
    const FormModel* model_ = nullptr;
    PageControls controls_;
};

}  // namespace tinzel::web
