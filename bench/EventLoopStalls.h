// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>

#include <algorithm>
#include <vector>

namespace BenchSupport {

// The turns of the event loop: from each waking to the next waking or wait, the longest the
// window goes without reading input. The first turn starts when the meter is made, so that
// it holds the work done before the loop runs again.
class EventLoopStalls {
public:
    EventLoopStalls()
    {
        auto* dispatcher = QAbstractEventDispatcher::instance();
        awake_ = QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [this] { Begin(); });
        aboutToBlock_ = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] { End(); });
        Begin();
    }
    ~EventLoopStalls()
    {
        QObject::disconnect(awake_);
        QObject::disconnect(aboutToBlock_);
    }
    EventLoopStalls(const EventLoopStalls&) = delete;
    EventLoopStalls& operator=(const EventLoopStalls&) = delete;

    double FirstMs() const { return spans_.empty() ? 0 : spans_.front(); }
    double LongestMs() const { return spans_.empty() ? 0 : *std::max_element(spans_.begin(), spans_.end()); }
    double LongestAfterFirstMs() const { return spans_.size() < 2 ? 0 : *std::max_element(spans_.begin() + 1, spans_.end()); }

private:
    void Begin()
    {
        End();
        busy_ = true;
        clock_.start();
    }
    void End()
    {
        if (busy_) {
            busy_ = false;
            spans_.push_back(clock_.nsecsElapsed() / 1e6);
        }
    }

    QMetaObject::Connection awake_;
    QMetaObject::Connection aboutToBlock_;
    QElapsedTimer clock_;
    bool busy_ = false;
    std::vector<double> spans_;
};

}  // namespace BenchSupport
