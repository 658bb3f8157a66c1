// A game whose every load fails below the window: it creates the same square twice, which
// the window refuses as it would any failing operation. For the error report's scenarios.
#pragma once

#include "game/form_events.h"
#include "game/runtime_services.h"

namespace tinzel::testing {

class FailingLoad final : public FormEvents {
  public:
    explicit FailingLoad(RuntimeServices& runtime) : runtime_(runtime) {}

    void Form_Load() override {
        runtime_.createElement(ControlArray::Square, 1);
        runtime_.createElement(ControlArray::Square, 1);
    }
    void Color_Click(std::int16_t) override {}

  private:
    RuntimeServices& runtime_;
};

}  // namespace tinzel::testing
