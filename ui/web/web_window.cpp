// The form view on the page: each render in one call to the page's script.
#include "ui/web/web_window.h"

#include <string>
#include <vector>

#include "ui/board_table.h"
#include "ui/form_look.h"
#include "ui/web/page.h"
#include "ui/web/page_units.h"

namespace tinzel::web {

namespace {

// The script reads these bits as they are.
static_assert(kAppeared == 1 && kVanished == 2 && kMoved == 4 && kRecoloured == 8);

// What the page needs of one changed square; its name, when it has a new one, goes on a line
// of `names`.
PageElement pageSquare(const FormModel& model, const BoardTable& board,
                       const ChangedElement& changed, std::string& names) {
    PageElement page{changed.index, changed.changes, {}, 0, 0, 0, 0};
    if ((changed.changes & kVanished) != 0) {
        return page;
    }
    const Element& element = model.element(ControlArray::Square, changed.index);
    page.rect = pageRect(element.rect);
    page.color = toRgb(element.backColor);
    // Every square rendered is shown, and so a cell of the board.
    const TableCell cell = board.cellOf(changed.index).value_or(TableCell{});
    page.row = cell.row + 1;
    page.column = cell.column + 1;
    if ((changed.changes & (kAppeared | kRecoloured)) != 0) {
        names += board.name(cell);
        names += '\n';
    }
    return page;
}

}  // namespace

WebWindow::WebWindow(FormRuntime& runtime) {
    runtime.setView(*this);
}

// The page writes only what changed, in one task in which the browser paints nothing: the
// old round is never seen half replaced.
void WebWindow::render(const FormModel& model, const FormChanges& changes) {
    model_ = &model;
    if (changes.first) {
        const PageLook look{twipsToPixels(design::kClientWidth, kCssPixelsPerInch),
                            twipsToPixels(design::kClientHeight, kCssPixelsPerInch),
                            toRgb(design::kBackColor), toRgb(look::kButtonEdgeColor),
                            look::kFocusRingInset};
        tinzel_page_load(&look);
    }
    controls_.apply(model, changes);
    const BoardTable board(&model);
    std::string names;
    std::vector<PageElement> squares;
    squares.reserve(changes.squares.size());
    for (const ChangedElement& changed : changes.squares) {
        squares.push_back(pageSquare(model, board, changed, names));
    }
    names += controls_.buttonNames();
    const std::vector<PageElement>& buttons = controls_.buttonSteps();
    const PageRound round{static_cast<int>(squares.size()), squares.data(),
                          static_cast<int>(buttons.size()), buttons.data(), names.c_str()};
    tinzel_page_render(&round);
}

// The page keeps its elements for the next render to write over.
void WebWindow::unloaded() {
    model_ = nullptr;
}

void WebWindow::showWindow() {
    tinzel_page_show(1);
}

void WebWindow::hideWindow() {
    tinzel_page_show(0);
}

int WebWindow::focusedButton() const {
    return tinzel_page_focused_button();
}

void WebWindow::focusButton(int index) {
    tinzel_page_focus_button(index);
}

void WebWindow::announce(std::string_view news) {
    tinzel_page_announce(std::string(news).c_str());
}

bool WebWindow::buttonKey(int index, ButtonKey key, bool down, bool autoRepeat) {
    if (!down) {
        buttonKeys_.released(key);
        return false;
    }
    const ButtonKeyAction action = buttonKeys_.pressed(key, autoRepeat);
    switch (action) {
        case ButtonKeyAction::StepUp:
        case ButtonKeyAction::StepDown:
            if (model_ != nullptr && model_->exists(ControlArray::Color, index)) {
                focusButton(model_->neighbourButton(index, focusStep(action)));
            }
            return true;
        case ButtonKeyAction::Nothing:
            return true;
        case ButtonKeyAction::Answer:
        case ButtonKeyAction::PassOn:
            break;
    }
    return false;
}

bool WebWindow::messageKeyActs(bool down, int key, bool autoRepeat) {
    return down ? messageKeys_.down(key, autoRepeat) : messageKeys_.up(key);
}

void WebWindow::showMessage(std::string_view text, bool isError) {
    messageKeys_.restart();
    tinzel_page_message(std::string(text).c_str(), isError);
}

void WebWindow::finished(int exitStatus) {
    tinzel_page_finished(exitStatus);
}

}  // namespace tinzel::web
