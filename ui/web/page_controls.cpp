// The page's labels and colour buttons as a round's steps make them.
#include "ui/web/page_controls.h"

#include "ui/form_look.h"
#include "ui/score_fit.h"
#include "ui/web/page_units.h"
// Written by the build from the score face.
#include "score_advance.h"

namespace tinzel::web {

namespace {

// The score font's size in CSS pixels for `caption` to fit inside the label at `twips`,
// within its one-pixel frame. The face's advance is known when the page is built, so the
// widths are worked out, not measured: the browser need lay nothing out for them.
double scoreFontSize(const design::TwipsRect& twips, const std::string& caption) {
    const PixelRect rect = cssPixels(twips);
    const auto cssPixelsAt = [](double points) { return points * kCssPixelsPerInch / 72.0; };
    // The style sheet sets the indent as padding-left: 0.5ch.
    static_assert(look::kScoreIndentInAdvances == 0.5);
    const auto advanceAt = [&](double points) { return kScoreAdvance * cssPixelsAt(points); };
    return cssPixelsAt(fitScoreLabel(rect.right - rect.left, caption, advanceAt));
}

PageLabel pageLabel(ScoreLabel label) {
    return label == ScoreLabel::Wins ? kPageWins : kPageLosses;
}

}  // namespace

void PageControls::apply(const FormModel& model, const FormChanges& changes) {
    buttonSteps_.clear();
    buttonNames_.clear();
    applyRound(model, changes, *this);
}

void PageControls::makeScore(ScoreLabel label, const design::TwipsRect& rect,
                             std::string_view caption) {
    const PageRect pixels = pageRect(rect);
    const std::string text(caption);
    tinzel_page_label(pageLabel(label), &pixels, text.c_str(), scoreFontSize(rect, text));
}

void PageControls::makeLabel2(const design::TwipsRect& rect, std::string_view caption) {
    const PageRect pixels = pageRect(rect);
    tinzel_page_label(kPageLabel2, &pixels, std::string(caption).c_str(), 0);
}

void PageControls::setCaption(ScoreLabel label, std::string_view caption) {
    const std::string text(caption);
    tinzel_page_caption(pageLabel(label), text.c_str(),
                        scoreFontSize(design::scoreRect(label), text));
}

bool PageControls::hasButton(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < madeButtons_.size() &&
           madeButtons_[static_cast<std::size_t>(index)] != 0;
}

// The steps come in index order, one button's together.
PageElement& PageControls::steps(int index) {
    if (buttonSteps_.empty() || buttonSteps_.back().index != index) {
        buttonSteps_.push_back(PageElement{index, 0, {}, 0, 0, 0, 0});
    }
    return buttonSteps_.back();
}

void PageControls::makeButton(int index) {
    if (madeButtons_.size() <= static_cast<std::size_t>(index)) {
        madeButtons_.resize(static_cast<std::size_t>(index) + 1, 0);
    }
    madeButtons_[static_cast<std::size_t>(index)] = 1;
    steps(index).changes |= kPageMake;
}

void PageControls::placeButton(int index, const design::TwipsRect& rect) {
    PageElement& button = steps(index);
    button.changes |= kPagePlace;
    button.rect = pageRect(rect);
}

void PageControls::fillButton(int index, ColorValue color, std::string_view name) {
    PageElement& button = steps(index);
    button.changes |= kPageFill;
    button.color = toRgb(color);
    button.ringColor = toRgb(look::ringColor(color));
    buttonNames_ += name;
    buttonNames_ += '\n';
}

void PageControls::showButton(int index, bool shown) {
    steps(index).changes |= shown ? kPageShow : kPageHide;
}

}  // namespace tinzel::web
