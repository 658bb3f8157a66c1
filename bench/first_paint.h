// Ends a program at its first painted frame, printing when that was (wall clock, so that
// the program that started this one can subtract its own start time) and the memory then.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

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
            std::fflush(stdout);
            // Quit once this frame is finished, not in the middle of painting it.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace tinzel::bench
