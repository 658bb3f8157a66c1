// A line of the window that only a screen reader meets: each round's news (ui/round_news.h),
// told as a notification as the line shows. Qt has no announcement to send, and a screen
// reader speaks a notification that shows without moving the focus. It draws nothing.
#pragma once

#include <QWidget>
#include <string_view>

namespace tinzel::qt {

class NewsLine : public QWidget {
    Q_OBJECT

  public:
    explicit NewsLine(QWidget* parent);

    // Shows the line anew with `news` as its name, which a screen reader then speaks.
    void tell(std::string_view news);
};

}  // namespace tinzel::qt
