// The window Form1 as a page: the form model rendered as real DOM elements by the page's
// script (form1_page.js), so that assistive technology reads the board and the buttons.
#pragma once

#include "ui/button_keys.h"
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

    // A key went down or up on colour button `index` (ui/button_keys.h). Whether the page
    // holds back the browser's own handling of it: Enter answers by the browser's own click.
    bool buttonKey(int index, ButtonKey key, bool down, bool autoRepeat);

    // Whether a key going down or up may act on the open message.
    bool messageKeyActs(bool down, int key, bool autoRepeat);

  private:
    ButtonKeys buttonKeys_;
    FreshPresses messageKeys_;
    const FormModel* model_ = nullptr;
    PageControls controls_;
};

}  // namespace tinzel::web
