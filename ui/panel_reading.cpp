// The panel's children in their reading order.
#include "ui/panel_reading.h"

namespace tinzel {

std::vector<PanelChild> panelChildren(const FormModel* model) {
    std::vector<PanelChild> children{{PanelChild::Kind::Board}};
    if (model != nullptr) {
        for (int index = 0; index <= model->lastIndex(ControlArray::Color); ++index) {
            if (model->exists(ControlArray::Color, index) &&
                model->element(ControlArray::Color, index).visible) {
                children.push_back({PanelChild::Kind::Button, index});
            }
        }
    }
    for (const ScoreLabel label : {ScoreLabel::Wins, ScoreLabel::Losses}) {
        children.push_back({PanelChild::Kind::Score, -1, label});
    }
    return children;
}

}  // namespace tinzel
