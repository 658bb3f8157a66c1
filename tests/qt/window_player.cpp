// A player of the real Qt window, answering through the event loop as a click would.
#include "tests/qt/window_player.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <stdexcept>

#include "tests/qt/qt_window_peer.h"
#include "tests/ten_color.h"

namespace tinzel::testing {

namespace {

void postActivation(QWidget* button, WindowPlayer::Activation activation) {
    if (activation == WindowPlayer::Activation::MouseClick) {
        const QPointF centre = QRectF(button->rect()).center();
        const QPointF global = button->mapToGlobal(centre);
        QCoreApplication::postEvent(
            button, new QMouseEvent(QEvent::MouseButtonPress, centre, global, Qt::LeftButton,
                                    Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(
            button, new QMouseEvent(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                                    Qt::NoButton, Qt::NoModifier));
        return;
    }
    button->setFocus(Qt::TabFocusReason);
    QCoreApplication::postEvent(button,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
    QCoreApplication::postEvent(button,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier));
}

}  // namespace

WindowPlayer::WindowPlayer() {
    qApp->installEventFilter(this);
    startGame();
}

WindowPlayer::~WindowPlayer() {
    qApp->removeEventFilter(this);
}

void WindowPlayer::startGame() {
    game_.reset();
    window_.reset();
    runtime_ = std::make_unique<FormRuntime>();
    window_ = std::make_unique<qt::QtWindow>(*runtime_);
    game_ = std::make_unique<Form1Module>(*runtime_);
    runtime_->attach(*game_);
    connect(window_.get(), &qt::QtWindow::ended, this, [this](int status) {
        lastExitStatus_ = status;
        ++gamesFinished_;
    });
    runtime_->start();
    QCoreApplication::processEvents();
}

int WindowPlayer::tenColor() const {
    return testing::tenColor(game_->state());
}

bool WindowPlayer::eventFilter(QObject* watched, QEvent* event) {
    // The end message: pressed OK as soon as it shows.
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            QMetaObject::invokeMethod(box->button(QMessageBox::Ok), &QAbstractButton::click,
                                      Qt::QueuedConnection);
        }
    }
    // A paint counts once the answer has turned the round over, not one still pending.
    if (event->type() == QEvent::Paint && window_ != nullptr && game_ != nullptr &&
        roundsPlayed() != playedBefore_) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == window_->frame()) {
            painted_ = true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlayer::answer(int index, Activation activation, bool untilPainted) {
    const int finishedBefore = gamesFinished_;
    playedBefore_ = roundsPlayed();
    painted_ = false;
    postActivation(QtWindowPeer(*window_).controls()->colorButton(index), activation);
    while (roundsPlayed() == playedBefore_ || (untilPainted && !painted_)) {
        if (gamesFinished_ != finishedBefore) {
            break;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    if (gamesFinished_ != finishedBefore) {
        if (lastExitStatus_ != 0) {
            throw std::runtime_error("the game finished with an error report");
        }
        startGame();
    }
}

int WindowPlayer::roundsPlayed() const {
    return game_->state().winCount + game_->state().lossCount;
}

void WindowPlayer::repaint() {
    playedBefore_ = -1;  // no answer pending: any paint counts
    painted_ = false;
    // The board, which covers the whole panel and paints it, and every control over it: Qt
    // skips repainting a widget that an opaque child covers, and its children with it.
    for (QWidget* control : QtWindowPeer(*window_).controls()->findChildren<QWidget*>()) {
        control->update();
    }
    while (!painted_) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

}  // namespace tinzel::testing
