// The screen reader's line of news: hidden, named, shown.
#include "ui/qt/news_line.h"

#include "ui/qt/conversions.h"

namespace tinzel::qt {

NewsLine::NewsLine(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // A pixel in the corner below the scores, where nothing else is.
    setGeometry(parent->width() - 1, parent->height() - 1, 1, 1);
    hide();
}

void NewsLine::tell(std::string_view news) {
    hide();
    setAccessibleName(toQString(news));
    show();
}

}  // namespace tinzel::qt
