// A line that only a screen reader meets, carrying a round's news (ui/round_news.h). It draws
// nothing. In the window it is a notification, told as it shows: Qt has no announcement to
// send, and a screen reader speaks a notification that shows without moving the focus. In a
// message box it is the box's first line, which a screen reader reads with the message as the
// box opens.
#pragma once

#include <QWidget>
#include <string_view>

namespace tinzel::qt {

class NewsLine : public QWidget {
    Q_OBJECT

  public:
    enum class Kind { Notification, MessageLine };

    NewsLine(QWidget* parent, Kind kind);

    Kind kind() const { return kind_; }

    // Shows the line anew with `news` as its name, which a screen reader then speaks.
    void tell(std::string_view news);

  private:
    Kind kind_;
};

}  // namespace tinzel::qt
