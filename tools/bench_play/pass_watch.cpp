// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the frame loop's steps back from the debug read-out it writes on every tick.
#include "pass_watch.h"

#include <QLabel>
#include <algorithm>
#include <charconv>

namespace zembrik {

int32_t dueStepsOf(std::string_view debugText) {
    constexpr std::string_view kMark = "SKIP-";
    const size_t at = debugText.find(kMark);
    if (at == std::string_view::npos) return -1;
    const char* first = debugText.data() + at + kMark.size();
    const char* last = debugText.data() + debugText.size();
    int32_t skipped = 0;
    const auto [end, ec] = std::from_chars(first, last, skipped);
    if (ec != std::errc() || end == first || skipped < 0) return -1;
    return skipped + 1;
}

void PassWatch::watch(QLabel* label, int64_t duration, std::function<void()> onDeadline) {
    label_ = label;
    duration_ = duration;
    onDeadline_ = std::move(onDeadline);
    started_ = reached_ = false;
    steps_ = frames_ = unreadable_ = 0;
    if (label_) label_->clear();
}

int64_t PassWatch::counter() {
    const int64_t now = inner_.counter();
    if (label_ && !started_) {
        started_ = true;
        start_ = last_ = now;
    }
    return now;
}

double PassWatch::elapsedSeconds() const {
    return static_cast<double>(last_ - start_) / static_cast<double>(inner_.frequency());
}

void PassWatch::collect() {
    if (!label_ || label_->text().isEmpty()) return;
    const QByteArray text = label_->text().toUtf8();
    const int32_t due = dueStepsOf(std::string_view(text.constData(), text.size()));
    if (due < 0) {
        ++unreadable_;
    } else {
        steps_ += due;
        ++frames_;
    }
    label_->clear();
    last_ = inner_.counter();
}

int64_t PassWatch::millisecondsUntil(int64_t deadline) {
    collect();
    const int64_t wait = inner_.millisecondsUntil(deadline);
    if (!started_ || reached_) return wait;
    // Half a step late: the step due at the end of the duration has run by then, and the one
    // this wait is for is the first beyond it. A late pass runs at least its own step.
    const int64_t halfStep = inner_.frequency() / 120;
    if (std::max(deadline, inner_.counter()) - start_ >= duration_ + halfStep) {
        reached_ = true;
        if (onDeadline_) onDeadline_();
    }
    return wait;
}

} // namespace zembrik
