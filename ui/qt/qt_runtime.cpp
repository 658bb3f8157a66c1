#include "ui/qt/qt_runtime.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>

#include "game/game_error.h"
#include "ui/clock.h"

namespace tinzel::qt {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtRuntime::QtRuntime() : frame_(std::make_unique<QWidget>()), scoreFont_(scoreFont()) {
    frame_->setWindowTitle(toQString(design::kCaption));
    const Resolution dpi = resolution();
    frame_->setFixedSize(twipsToPixelsX(design::kClientWidth, dpi),
                         twipsToPixelsY(design::kClientHeight, dpi));
    frame_->installEventFilter(this);
}

QtRuntime::~QtRuntime() = default;

Resolution QtRuntime::resolution() const {
    return Resolution{frame_->logicalDpiX(), frame_->logicalDpiY()};
}

void QtRuntime::start() {
    deliver([this] { showForm(); });
}

void QtRuntime::deliver(const std::function<void()>& event) {
    if (ended_) {
        return;
    }
    try {
        event();
    } catch (const ProgramEnded&) {
        finish(0);
    } catch (const GameError& error) {
        frame_->hide();
        QMessageBox report(QMessageBox::Critical, toQString(design::kApplicationTitle),
                           QStringLiteral("Tinzel has stopped because of an error:\n\n%1")
                               .arg(QString::fromStdString(error.what())),
                           QMessageBox::Ok);
        report.exec();
        finish(1);
    }
}

void QtRuntime::finish(int exitStatus) {
    ended_ = true;
    exitStatus_ = exitStatus;
    frame_->hide();
    emit finished(exitStatus);
}

bool QtRuntime::eventFilter(QObject* watched, QEvent* event) {
    // The close box: the only window is gone, so the game is over; the score is not kept.
    if (watched == frame_.get() && event->type() == QEvent::Close && !ended_) {
        finish(0);
    }
    return QObject::eventFilter(watched, event);
}

Form1Controls& QtRuntime::loadedControls() {
    if (controls_ == nullptr) {
        throw GameError(GameError::Kind::WindowOperationFailed,
                        "The window is not loaded: it has no controls");
    }
    return *controls_;
}

void QtRuntime::setCaption(ScoreLabel label, std::string_view text) {
    loadedControls().setCaption(label, toQString(text));
}

void QtRuntime::createElement(ControlArray array, int index) {
    loadedControls().createElement(array, index);
}

void QtRuntime::setTop(ControlArray array, int index, int twips) {
    loadedControls().setTop(array, index, twips);
}

void QtRuntime::setLeft(ControlArray array, int index, int twips) {
    loadedControls().setLeft(array, index, twips);
}

void QtRuntime::setVisible(ControlArray array, int index, bool visible) {
    loadedControls().setVisible(array, index, visible);
}

void QtRuntime::setBackColor(ControlArray array, int index, ColorValue color) {
    loadedControls().setBackColor(array, index, color);
}

void QtRuntime::unloadForm() {
    Form1Controls& old = loadedControls();
    if (QWidget* focused = old.focusWidget()) {
        if (auto* button = qobject_cast<ColorButton*>(focused)) {
            focusIndex_ = button->index();
        }
    }
    // We are inside the click of one of these buttons, so they are freed once it returns.
    // Hidden now, they are never painted again, not even under the end message.
    old.hide();
    old.deleteLater();
    controls_ = nullptr;
    shown_ = false;
}

void QtRuntime::showForm() {
    if (controls_ == nullptr) {
        if (events_ == nullptr) {
            throw GameError(GameError::Kind::WindowOperationFailed,
                            "The window was shown before the game was attached");
        }
        // Built hidden and shown only after the load: the player never sees a half-dealt board.
        controls_ = new Form1Controls(resolution(), scoreFont_, frame_.get());
        controls_->hide();
        connect(controls_, &Form1Controls::colorClicked, this, [this](int index) {
            deliver([this, index] { events_->Color_Click(static_cast<std::int16_t>(index)); });
        });
        events_->Form_Load();
    }
    controls_->show();
    frame_->show();
    shown_ = true;
    const int focus = controls_->elementCount(ControlArray::Color) > focusIndex_ ? focusIndex_ : 0;
    controls_->colorButton(focus)->setFocus(Qt::OtherFocusReason);
}

void QtRuntime::messageBox(std::string_view text) {
    if (!shown_) {
        frame_->hide();
    }
    QMessageBox box(QMessageBox::NoIcon, toQString(design::kApplicationTitle), toQString(text),
                    QMessageBox::Ok);
    box.exec();
}

void QtRuntime::endProgram() {
    throw ProgramEnded{};
}

std::uint64_t QtRuntime::clockReading() {
    return steadyClockReading();
}

}  // namespace tinzel::qt
