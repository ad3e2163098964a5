// SPDX-License-Identifier: GPL-3.0-or-later
// Read-out texts and the delay bar.
#include "render/readouts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/levels.h"
#include "render/surface.h"

namespace zembrik {

namespace {

// Int() of a quotient, guarded against a zero divisor and values no int can hold.
int intOf(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::floor(std::clamp(v, -1.0e9, 1.0e9)));
}

} // namespace

QString scoreText(float score) {
    const float whole = std::floor(score);
    if (std::isnan(whole)) return QStringLiteral("NaN");
    if (std::isinf(whole)) return whole > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    char buf[48];
    if (std::fabs(whole) < 1.0e7f) {
        std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(whole));
        return QString::fromLatin1(buf);
    }
    std::snprintf(buf, sizeof buf, "%.6E", static_cast<double>(whole));
    // Drop trailing zeros (and a bare point) from the mantissa: "1.000000E+07" -> "1E+07".
    QString text = QString::fromLatin1(buf);
    const qsizetype e = text.indexOf(u'E');
    qsizetype end = e;
    while (end > 0 && text[end - 1] == u'0')
        --end;
    if (end > 0 && text[end - 1] == u'.') --end;
    return text.left(end) + text.mid(e);
}

QString pointsText(int16_t curLevel, int16_t levelCount) {
    const int n = levelCount;
    char count[16];
    std::snprintf(count, sizeof count, n < 0 ? "-%02d" : "%02d", std::abs(n));
    return QString::fromStdString(levelstr(curLevel)) + u'-' + QString::fromLatin1(count);
}

QString clockText(int64_t steps) {
    // Hundredths straight from the steps: 1/60 s is 5/3 hundredths, so no float rounding.
    const int64_t cs = steps > 0 ? steps * 100 / 60 : 0;
    char out[48];
    std::snprintf(out, sizeof out, "%lld:%02lld.%02lld", static_cast<long long>(cs / 6000),
                  static_cast<long long>(cs / 100 % 60), static_cast<long long>(cs % 100));
    return QString::fromLatin1(out);
}

QString modeClockText(const Game& g) {
    const ModeRule& rule = modeRule(g.mode);
    if (rule.stepLimit > 0)
        return clockText(std::max<int64_t>(0, int64_t{rule.stepLimit} - g.stepsPlayed));
    if (rule.lineGoal > 0) return clockText(g.stepsPlayed);
    return {};
}

void drawDelayBar(const Game& g, QImage& ptls) {
    const int W = ptls.width(), H = ptls.height();
    const QRgb black = qRgb(0, 0, 0);
    switch (g.gameState) {
    case GameState::Entry: {
        fillBox(ptls, 0, 0, W, H, black);
        const int16_t n = newdelay(g.curLevel);
        const double t = g.curBlox == 0 ? g.waitTicks * double(W) / 120.0
                         : n > 0        ? (g.waitTicks - 1) * double(W) / n
                                        : 0.0;
        fillBox(ptls, 0, 0, W - intOf(t), 7, qRgb(127, 127, 127));
        break;
    }
    case GameState::Landed: {
        fillBox(ptls, 0, 0, W, H, qRgb(128, 128, 128));
        const int n = lockdelay(g.curLevel);
        const double t = n > 0 ? g.waitTicks * double(W) / n : 0.0;
        fillBox(ptls, intOf(t), 0, W, 7, black);
        break;
    }
    case GameState::Cascade:
    case GameState::ClearDelay:
        fillBox(ptls, 0, 0, W, 7, black);
        break;
    default:
        break;
    }
}

} // namespace zembrik
