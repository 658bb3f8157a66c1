// The window's icon from its six sizes, set once the first frame is painted.
#include "ui/qt/window_icon.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>

namespace tinzel::qt {

namespace {

QIcon tinzelIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/tinzel-%1.png").arg(size));
    }
    return icon;
}

// Watches the application's events until the first paint, then sets the icon from the event
// loop, after that frame is finished, and goes.
class IconAfterFirstFrame : public QObject {
  public:
    IconAfterFirstFrame() : QObject(QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QApplication::setWindowIcon(tinzelIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool painted_ = false;
};

}  // namespace

void setWindowIconAfterFirstFrame() {
    new IconAfterFirstFrame;  // owned by the application
}

}  // namespace tinzel::qt
