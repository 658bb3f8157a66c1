// Comparing the model a window drew with the model now, element by element.
#include "ui/form_changes.h"

#include <algorithm>

namespace tinzel {

namespace {

bool operator==(const design::TwipsRect& a, const design::TwipsRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// A shown element of `form`, or null.
const Element* shown(const FormModel* form, ControlArray array, int index) {
    if (form == nullptr || !form->exists(array, index)) {
        return nullptr;
    }
    const Element& element = form->element(array, index);
    return element.visible ? &element : nullptr;
}

void compare(const FormModel* drawn, const FormModel& now, ControlArray array,
             std::vector<ChangedElement>& changed) {
    const int last =
        std::max(drawn != nullptr ? drawn->lastIndex(array) : -1, now.lastIndex(array));
    for (int index = 0; index <= last; ++index) {
        const Element* before = shown(drawn, array, index);
        const Element* after = shown(&now, array, index);
        if (before == nullptr && after != nullptr) {
            changed.push_back({index, kAppeared, after->rect});
        } else if (before != nullptr && after == nullptr) {
            changed.push_back({index, kVanished, before->rect});
        } else if (before != nullptr) {
            const unsigned changes = (before->rect == after->rect ? 0U : kMoved) |
                                     (before->backColor == after->backColor ? 0U : kRecoloured);
            if (changes != 0) {
                changed.push_back({index, changes, before->rect});
            }
        }
    }
}

}  // namespace

FormChanges changesBetween(const FormModel* drawn, const FormModel& now) {
    FormChanges changes;
    changes.first = drawn == nullptr;
    const auto captionDiffers = [&](ScoreLabel label) {
        return drawn == nullptr || drawn->caption(label) != now.caption(label);
    };
    changes.winsCaption = captionDiffers(ScoreLabel::Wins);
    changes.lossesCaption = captionDiffers(ScoreLabel::Losses);
    compare(drawn, now, ControlArray::Square, changes.squares);
    compare(drawn, now, ControlArray::Color, changes.buttons);
    return changes;
}

design::TwipsRect boardArea(const FormChanges& changes, const FormModel& now) {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool any = false;
    const auto add = [&](const design::TwipsRect& rect) {
        left = any ? std::min(left, rect.left) : rect.left;
        top = any ? std::min(top, rect.top) : rect.top;
        right = any ? std::max(right, rect.left + rect.width) : rect.left + rect.width;
        bottom = any ? std::max(bottom, rect.top + rect.height) : rect.top + rect.height;
        any = true;
    };
    for (const ChangedElement& changed : changes.squares) {
        add(changed.before);
        if ((changed.changes & kVanished) == 0) {
            add(now.element(ControlArray::Square, changed.index).rect);
        }
    }
    return {left, top, right - left, bottom - top};
}

}  // namespace tinzel
