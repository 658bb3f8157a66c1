// The screen reader's line of news: hidden, named, shown.
#include "ui/qt/news_line.h"

#include "ui/qt/conversions.h"

namespace tinzel::qt {

NewsLine::NewsLine(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    if (kind == Kind::Notification) {
        // A pixel in the corner below the scores, where nothing else is.
        setGeometry(parent->width() - 1, parent->height() - 1, 1, 1);
    } else {
        // A screen reader reads a message's lines from the top: this one first.
        setGeometry(0, 0, 1, 1);
    }
    hide();
}

void NewsLine::tell(std::string_view news) {
    hide();
    setAccessibleName(toQString(news));
    show();
}

}  // namespace tinzel::qt
