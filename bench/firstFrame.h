#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

// Stops a start-up at its first frame: when the window's first paint has run
// and been flushed to the screen, prints the monotonic clock (nanoseconds)
// and ends the event loop. The driver compares that with the moment it
// started the process.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget &window) : m_window(window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The frame reaches the screen when this paint and its flush are done.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("%lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget &m_window;
    bool m_seen = false;
};
