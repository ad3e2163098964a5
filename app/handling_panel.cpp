// SPDX-License-Identifier: GPL-3.0-or-later
// The handling switch and its three numbers, each in steps and in milliseconds.
#include "app/handling_panel.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

namespace zembrik {

namespace {

QFont panelFont(bool bold) {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}

// One number of custom handling: where it lives in Handling, its range and its words.
struct Number {
    int16_t Handling::*var;
    int16_t most;
    bool zeroAtOnce; // 0 acts at once rather than after no time
    const char* name;
    const char* tip;
};
const std::array<Number, 3> kNumbers{{
    {&Handling::delay, kMaxRepeatDelay, false,
     QT_TRANSLATE_NOOP("zembrik::HandlingPanel", "auto-repeat delay"),
     QT_TRANSLATE_NOOP("zembrik::HandlingPanel",
                       "How long a held move key waits after its first move before it moves "
                       "again by itself, in steps of 1/60 s.")},
    {&Handling::interval, kMaxRepeatInterval, true,
     QT_TRANSLATE_NOOP("zembrik::HandlingPanel", "auto-repeat interval"),
     QT_TRANSLATE_NOOP("zembrik::HandlingPanel",
                       "Steps between the moves of a held move key once it repeats. 0 moves "
                       "the piece to the wall at once.")},
    {&Handling::softDrop, kMaxSoftDropInterval, true,
     QT_TRANSLATE_NOOP("zembrik::HandlingPanel", "soft-drop interval"),
     QT_TRANSLATE_NOOP("zembrik::HandlingPanel",
                       "Steps for each row a piece falls while the soft-drop key is held. 0 "
                       "drops it to the floor at once.")},
}};

// A box of steps whose text says "1 step", "2 steps" in the player's language (tr's %n picks
// the plural form); a number typed in is read from the digits, whatever words stand around it.
class StepsBox : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

  protected:
    QString textFromValue(int v) const override {
        return HandlingPanel::tr("%n step(s)", nullptr, v);
    }
    int valueFromText(const QString& text) const override { return digitsIn(text).toInt(); }
    QValidator::State validate(QString& text, int&) const override {
        const QString digits = digitsIn(text);
        if (digits.isEmpty()) return QValidator::Intermediate;
        bool ok = false;
        const int v = digits.toInt(&ok);
        return ok && v >= minimum() && v <= maximum() ? QValidator::Acceptable
                                                      : QValidator::Invalid;
    }

  private:
    // The first run of digits in text.
    static QString digitsIn(const QString& text) {
        QString out;
        for (const QChar c : text) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                out += c;
            else if (!out.isEmpty())
                break;
        }
        return out;
    }
};

// The chosen kind reads as chosen at a glance, like the dialog's other pairs: bold and golden,
// the other plain and dimmer.
void markChosen(QAbstractButton* b, bool chosen) {
    b->setFont(panelFont(chosen));
    QPalette pal = b->palette();
    const QColor text = chosen ? QColor(255, 214, 64) : QColor(200, 200, 200);
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::ButtonText, text);
    b->setPalette(pal);
}

} // namespace

QString stepsInMilliseconds(int steps, bool zeroMeansAtOnce) {
    if (steps == 0 && zeroMeansAtOnce) return HandlingPanel::tr("at once");
    return HandlingPanel::tr("%1 ms").arg(std::lround(steps * 1000.0 / 60.0));
}

HandlingPanel::HandlingPanel(Handling& h, int width, QWidget* parent) : QWidget(parent), h_(h) {
    setObjectName(QStringLiteral("Handling"));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::white);
    setPalette(pal);
    const QString kindTip =
        tr("Handling: how held keys act. Classic: the game's own auto-repeat, quicker at the "
           "higher levels. Custom: your own numbers, in every mode; the records of custom games "
           "are kept apart from the classic ones.");

    auto* title = new QLabel(tr("handling"), this);
    title->setFont(panelFont(false));
    title->setToolTip(kindTip);
    const QFontMetrics fm(panelFont(true));
    const int rowH = std::max(20, fm.height() + 6);
    title->setGeometry(0, 0, fm.horizontalAdvance(title->text()) + 6, rowH);

    kind_ = new QButtonGroup(this);
    kind_->setObjectName(QStringLiteral("optHandling"));
    int x = title->width() + 4;
    const QString kinds[2] = {tr("Classic"), tr("Custom")};
    for (int k = 0; k < 2; ++k) {
        auto* b = new QRadioButton(kinds[k], this);
        b->setFont(panelFont(true));
        b->setToolTip(kindTip);
        const QSize need = b->sizeHint();
        b->setGeometry(x, (rowH - need.height()) / 2, need.width(), need.height());
        x += need.width() + 6;
        kind_->addButton(b, k);
        connect(b, &QAbstractButton::toggled, b, [b](bool on) { markChosen(b, on); });
        markChosen(b, false);
    }
    if (auto* b = kind_->button(h_.custom != 0 ? 1 : 0)) b->setChecked(true);
    connect(kind_, &QButtonGroup::idClicked, this, [this](int k) {
        h_.custom = static_cast<int16_t>(k);
        showCustom();
    });

    // Each number: its name, the box in steps, and the same in milliseconds.
    int nameW = 0;
    for (const Number& n : kNumbers)
        nameW = std::max(nameW, QFontMetrics(panelFont(false)).horizontalAdvance(tr(n.name)));
    int y = rowH;
    for (size_t i = 0; i < kNumbers.size(); ++i) {
        const Number& n = kNumbers[i];
        auto* name = new QLabel(tr(n.name), this);
        name->setFont(panelFont(false));
        name->setToolTip(tr(n.tip));
        name->setGeometry(8, y, nameW + 4, rowH);
        auto* box = new StepsBox(this);
        box->setRange(0, n.most);
        box->setValue(h_.*n.var);
        box->setToolTip(tr(n.tip));
        box->setAccessibleName(tr(n.name));
        box->setPalette(QPalette());
        const int boxW = box->sizeHint().width();
        box->setGeometry(nameW + 16, y + 1, boxW, rowH - 2);
        auto* ms = new QLabel(this);
        ms->setFont(panelFont(false));
        const QFontMetrics msFm(panelFont(false));
        ms->setGeometry(nameW + 20 + boxW, y,
                        std::max(msFm.horizontalAdvance(stepsInMilliseconds(0, true)),
                                 msFm.horizontalAdvance(stepsInMilliseconds(n.most, false))) +
                            4,
                        rowH);
        ms->setText(stepsInMilliseconds(h_.*n.var, n.zeroAtOnce));
        connect(box, &QSpinBox::valueChanged, this, [this, n, ms](int v) {
            h_.*n.var = static_cast<int16_t>(std::clamp(v, 0, static_cast<int>(n.most)));
            ms->setText(stepsInMilliseconds(v, n.zeroAtOnce));
        });
        boxes_[i] = box;
        ms_[i] = ms;
        name->setBuddy(box);
        y += rowH;
    }
    int right = width;
    for (const QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        right = std::max(right, w->geometry().right() + 1);
    resize(right, y);
    showCustom();
}

void HandlingPanel::showCustom() {
    for (QSpinBox* b : boxes_)
        b->setEnabled(h_.custom != 0);
}

} // namespace zembrik
