// The news of a round, worked out from what its render changed.
#include "ui/round_news.h"

#include <algorithm>

namespace tinzel {

std::string roundNews(const FormChanges& changes, const FormModel& model) {
    if (changes.first) {
        return {};
    }
    std::string news;
    for (const ScoreLabel label : {ScoreLabel::Wins, ScoreLabel::Losses}) {
        if (changes.captionChanged(label)) {
            news += model.caption(label) + ". ";
        }
    }
    const bool dealt = std::any_of(changes.squares.begin(), changes.squares.end(),
                                   [](const ChangedElement& square) {
                                       return (square.changes & (kAppeared | kRecoloured)) != 0;
                                   });
    if (dealt) {
        news += "New board. ";
    }
    if (!news.empty()) {
        news.pop_back();
    }
    return news;
}

}  // namespace tinzel
