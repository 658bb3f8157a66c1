// Ends a program once its first frame is painted, printing when that frame began (wall clock,
// so that the program that started this one can subtract its own start time) and the memory
// then.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/resident_memory.h"

namespace tinzel::bench {

class QuitOnFirstPaint : public QObject {
  public:
    QuitOnFirstPaint() { QCoreApplication::instance()->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("first_paint_ns %lld\nrss_kib %ld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                        residentKiB());
            // End once this frame is finished: first among the events queued behind it, so
            // that an instruction count of the whole process stops at this frame too.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return QObject::eventFilter(watched, event);
    }

    void customEvent(QEvent*) override {
        std::fflush(stdout);
        std::_Exit(0);
    }

  private:
    bool seen_ = false;
};

}  // namespace tinzel::bench
