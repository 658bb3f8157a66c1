// The form view on Qt: showing, focusing, announcing, messages and the end.
#include "ui/qt/qt_window.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <utility>

#include "ui/fresh_presses.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/conversions.h"
#include "ui/qt/news_line.h"

namespace tinzel::qt {

namespace {

// Keeps from a message box the keys that went down before it opened, and every repeat.
class MessageKeys : public QObject {
  public:
    explicit MessageKeys(QWidget* box) : box_(box) { presses_.restart(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* target = qobject_cast<QWidget*>(watched);
        if (target == nullptr || (target != box_ && !box_->isAncestorOf(target))) {
            return false;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            return !presses_.down(key->key(), key->isAutoRepeat());
        }
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            return !key->isAutoRepeat() && !presses_.up(key->key());
        }
        return false;
    }

  private:
    QWidget* box_;
    FreshPresses presses_;
};

}  // namespace

QtWindow::QtWindow(FormRuntime& runtime)
    : runtime_(runtime),
      // Qt may make a widget's accessibility interface as the widget is made.
      frame_((installAccessibility(), std::make_unique<QWidget>())),
      scoreFont_(scoreFont()) {
    // Named for the accessibility layer, which tells the window by this name.
    frame_->setObjectName(toQString(design::kCaption));
    frame_->setWindowTitle(toQString(design::kCaption));
    const Resolution dpi = resolution();
    frame_->setFixedSize(pixelsX(design::kClientWidth, dpi), pixelsY(design::kClientHeight, dpi));
    frame_->installEventFilter(this);
    runtime_.setView(*this);
}

QtWindow::~QtWindow() = default;

Resolution QtWindow::resolution() const {
    return Resolution{frame_->logicalDpiX(), frame_->logicalDpiY()};
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
    // The close box: the only window is gone, so the game is over.
    if (watched == frame_.get() && event->type() == QEvent::Close) {
        runtime_.close();
    }
    return QObject::eventFilter(watched, event);
}

void QtWindow::render(const FormModel& model, const FormChanges& changes) {
    if (controls_ == nullptr) {
        controls_ = new Form1Controls(resolution(), scoreFont_, frame_.get());
        connect(controls_, &Form1Controls::colorClicked, this,
                [this](int index) { runtime_.click(index); });
    }
    controls_->render(model, changes);
}

void QtWindow::unloaded() {
    // The controls stay for the next render, which follows in the same event, so nothing is
    // painted in between; the end message hides the window before it shows.
    controls_->unload();
}

void QtWindow::showWindow() {
    frame_->show();
}

void QtWindow::hideWindow() {
    frame_->hide();
}

int QtWindow::focusedButton() const {
    if (controls_ != nullptr) {
        if (auto* button = qobject_cast<ColorButton*>(controls_->focusWidget())) {
            return button->index();
        }
    }
    return -1;
}

void QtWindow::focusButton(int index) {
    controls_->colorButton(index)->setFocus(Qt::OtherFocusReason);
}

// Told by the window's line of news, not by a score label: Qt tells a screen reader that a
// label was renamed, but not its new name, and the reader drops the change. News that comes
// while the window is hidden (the tenth win, just before the end message) is told by the
// message, which a screen reader reads as it opens: a line shown in a hidden window is never
// shown, and one shown just before the window hides would be cut short.
void QtWindow::announce(std::string_view news) {
    if (frame_->isVisible() && controls_ != nullptr) {
        controls_->newsLine()->tell(news);
    } else {
        messageNews_ = news;
    }
}

void QtWindow::showMessage(std::string_view text, bool isError) {
    QMessageBox box(isError ? QMessageBox::Critical : QMessageBox::NoIcon,
                    toQString(design::kApplicationTitle), toQString(text), QMessageBox::Ok);
    if (!messageNews_.empty()) {
        (new NewsLine(&box, NewsLine::Kind::MessageLine))->tell(std::exchange(messageNews_, {}));
    }
    MessageKeys keys(&box);
    qApp->installEventFilter(&keys);
    box.exec();
    qApp->removeEventFilter(&keys);
}

void QtWindow::finished(int exitStatus) {
    emit ended(exitStatus);
}

}  // namespace tinzel::qt
