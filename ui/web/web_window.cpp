#include "ui/web/web_window.h"

#include <string>
#include <vector>

#include "ui/board_table.h"
#include "ui/form_look.h"
#include "ui/score_fit.h"
#include "ui/twips.h"
#include "ui/web/page.h"
// Written by the build from the score face.
#include "score_advance.h"

namespace tinzel::web {

namespace {

// CSS pixels are 96 to the inch: 15 twips each, whatever the screen's pixel ratio.
constexpr int kCssPixelsPerInch = 96;

PixelRect cssPixels(const design::TwipsRect& rect) {
    return twipsToPixels(rect, kCssPixelsPerInch, kCssPixelsPerInch);
}

PageRect pageRect(const design::TwipsRect& twips) {
    const PixelRect rect = cssPixels(twips);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

int toRgb(ColorValue color) {
    return (redOf(color) << 16) | (greenOf(color) << 8) | blueOf(color);
}

// The score font's size in CSS pixels for `caption` to fit inside the label at `twips`,
// within its one-pixel frame. The face's advance is known when the page is built, so the
// widths are worked out, not measured: the browser need lay nothing out for them.
double scoreFontSize(const design::TwipsRect& twips, const std::string& caption) {
    const PixelRect rect = cssPixels(twips);
    const auto cssPixelsAt = [](double points) { return points * kCssPixelsPerInch / 72.0; };
    // The label sets its text in by half a digit (padding-left: 0.5ch).
    const auto width = [&](std::string_view text, double points) {
        return (static_cast<double>(text.size()) + 0.5) * kScoreAdvance * cssPixelsAt(points);
    };
    return cssPixelsAt(fitScoreFont(rect.right - rect.left - 2, caption, width));
}

void addLabel(PageLabel label, const design::TwipsRect& twips, const std::string& caption,
              double fontSize) {
    const PageRect rect = pageRect(twips);
    tinzel_page_label(label, &rect, caption.c_str(), fontSize);
}

const design::TwipsRect& scoreRect(ScoreLabel label) {
    return label == ScoreLabel::Wins ? design::kWins : design::kLosses;
}

PageLabel pageLabel(ScoreLabel label) {
    return label == ScoreLabel::Wins ? kPageWins : kPageLosses;
}

// The script reads these bits as they are.
static_assert(kAppeared == 1 && kVanished == 2 && kMoved == 4 && kRecoloured == 8);

// What the page needs of one changed element; its name, when it has a new one, goes on a line
// of `names`.
PageElement pageElement(const FormModel& model, const BoardTable& board, ControlArray array,
                        const ChangedElement& changed, std::string& names) {
    PageElement page{changed.index, changed.changes, {}, 0, 0, 0, 0};
    if ((changed.changes & kVanished) != 0) {
        return page;
    }
    const Element& element = model.element(array, changed.index);
    page.rect = pageRect(element.rect);
    page.color = toRgb(element.backColor);
    std::string name;
    if (array == ControlArray::Square) {
        // Every square rendered is shown, and so a cell of the board.
        const TableCell cell = board.cellOf(changed.index).value_or(TableCell{});
        page.row = cell.row + 1;
        page.column = cell.column + 1;
        name = board.name(cell);
    } else {
        page.ringColor = toRgb(look::ringColor(element.backColor));
        name = model.accessibleName(changed.index);
    }
    if ((changed.changes & (kAppeared | kRecoloured)) != 0) {
        names += name;
        names += '\n';
    }
    return page;
}

}  // namespace

WebWindow::WebWindow(FormRuntime& runtime) {
    runtime.setView(*this);
}

void WebWindow::createDesignControls() const {
    const PageLook look{twipsToPixels(design::kClientWidth, kCssPixelsPerInch),
                        twipsToPixels(design::kClientHeight, kCssPixelsPerInch),
                        toRgb(design::kBackColor), toRgb(look::kButtonEdgeColor),
                        look::kFocusRingInset};
    tinzel_page_load(&look);
    // In the design's order: Losses, Label2, Wins.
    const std::string& losses = model_->caption(ScoreLabel::Losses);
    addLabel(kPageLosses, design::kLosses, losses, scoreFontSize(design::kLosses, losses));
    addLabel(kPageLabel2, design::kLabel2, std::string(design::kLabel2Caption), 0);
    const std::string& wins = model_->caption(ScoreLabel::Wins);
    addLabel(kPageWins, design::kWins, wins, scoreFontSize(design::kWins, wins));
}

// The page writes only what changed, in one task in which the browser paints nothing: the
// old round is never seen half replaced.
void WebWindow::render(const FormModel& model, const FormChanges& changes) {
    model_ = &model;
    if (changes.first) {
        createDesignControls();
    } else {
        for (const ScoreLabel label : {ScoreLabel::Losses, ScoreLabel::Wins}) {
            if (changes.captionChanged(label)) {
                const std::string& caption = model.caption(label);
                tinzel_page_caption(pageLabel(label), caption.c_str(),
                                    scoreFontSize(scoreRect(label), caption));
            }
        }
    }
    // In the order of each array, so that the page makes the buttons in the order Tab walks.
    const BoardTable board(&model);
    std::string names;
    const auto pageElements = [&](ControlArray array) {
        const std::vector<ChangedElement>& changed = changes.elements(array);
        std::vector<PageElement> elements(changed.size());
        for (std::size_t k = 0; k < changed.size(); ++k) {
            elements[k] = pageElement(model, board, array, changed[k], names);
        }
        return elements;
    };
    const std::vector<PageElement> squares = pageElements(ControlArray::Square);
    const std::vector<PageElement> buttons = pageElements(ControlArray::Color);
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

void WebWindow::stepFocus(int index, int step) {
    if (model_ != nullptr && model_->exists(ControlArray::Color, index)) {
        focusButton(model_->neighbourButton(index, step));
    }
}

bool WebWindow::keyActs(bool onMessage, bool down, int key, bool autoRepeat) {
    FreshPresses& presses = onMessage ? messageKeys_ : buttonKeys_;
    return down ? presses.down(key, autoRepeat) : presses.up(key);
}

void WebWindow::showMessage(std::string_view text, bool isError) {
    messageKeys_.restart();
    tinzel_page_message(std::string(text).c_str(), isError);
}

void WebWindow::finished(int exitStatus) {
    tinzel_page_finished(exitStatus);
}

}  // namespace tinzel::web
