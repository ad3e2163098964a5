// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls dialog's pad column: names, boxes, the presses that change them, and the
// sentences about shared buttons.
#include "app/pad_column.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

namespace zembrik {

namespace {

// The actions in the order of Action, named as on the key diagram.
constexpr std::array<const char*, kActionCount> kActionNames{
    QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Move left"),
    QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Move right"),
    QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Soft drop"),
    QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Turn left"),
    QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Turn right"),
    QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Third turn"),
    QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Hard drop"),
    QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Hold"),
};

// SDL's buttons in SDL's order, in the player's words.
constexpr std::array<const char*, kPadButtons> kButtonNames{
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "A"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "B"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "X"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Y"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Back"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Guide"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Start"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Left stick"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Right stick"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Left shoulder"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Right shoulder"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "D-pad up"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "D-pad down"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "D-pad left"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "D-pad right"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Misc"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Paddle 1"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Paddle 2"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Paddle 3"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Paddle 4"),
    QT_TRANSLATE_NOOP("zembrik::PadColumn", "Touchpad"),
};

// The column at scale 1: the heading, a row per action, the line under them.
constexpr int kHeadingY = 8, kFirstRowY = 32, kRowStep = 22, kRowH = 18, kNameW = 118, kBoxX = 122,
              kBoxW = 114, kHintY = kFirstRowY + kActionCount * kRowStep, kHintH = 246 - kHintY;

QString actionName(Action a) {
    return QCoreApplication::translate("zembrik::ControlsDialog",
                                       kActionNames[static_cast<size_t>(a)]);
}

constexpr uint32_t bit(int b) {
    return uint32_t{1} << b;
}

} // namespace

QString padButtonText(int button) {
    if (button < 0 || button >= kPadButtons) return {};
    return PadColumn::tr(kButtonNames[static_cast<size_t>(button)]);
}

QString padButtonsText(uint32_t buttons) {
    QStringList names;
    for (int b = 0; b < kPadButtons; ++b)
        if (buttons & bit(b)) names << padButtonText(b);
    return names.join(QStringLiteral(", "));
}

QStringList padClashes(const PadLayout& layout) {
    QStringList out;
    for (int b = 0; b < kPadButtons; ++b) {
        QStringList actions;
        for (size_t a = 0; a < layout.buttons.size(); ++a)
            if (layout.buttons[a] & bit(b)) actions << actionName(static_cast<Action>(a));
        if (actions.size() < 2) continue;
        const QString last = actions.takeLast();
        out << QCoreApplication::translate("zembrik::ControlsDialog", "%1 and %2 share %3.")
                   .arg(actions.join(", "), last,
                        PadColumn::tr("pad button %1").arg(padButtonText(b)));
    }
    return out;
}

PadBox::PadBox(const PadLayout& layout, Action a, QWidget* parent, int scale)
    : ChoiceBox(parent, scale), layout_(layout), action_(a) {
    refresh();
}

void PadBox::refresh() {
    showName(padButtonsText(layout_.buttons[static_cast<size_t>(action_)]));
}

bool PadBox::event(QEvent* e) {
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress)
        return ChoiceBox::event(e);
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return ChoiceBox::event(e);
    // A key is never a pad's button, nor a shortcut of the dialog.
    e->accept();
    if (e->type() == QEvent::KeyPress && key == Qt::Key_Escape) emit cancelled();
    return true;
}

void PadBox::focusInEvent(QFocusEvent* e) {
    ChoiceBox::focusInEvent(e);
    emit waiting(true);
}

void PadBox::focusOutEvent(QFocusEvent* e) {
    ChoiceBox::focusOutEvent(e);
    emit waiting(false);
}

PadColumn::PadColumn(PadLayout& layout, QWidget* parent, int scale)
    : QWidget(parent), layout_(layout) {
    const int k = scale;
    resize(kWidth * k, 246 * k);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(224, 224, 224));
    setPalette(pal);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10 * k);

    auto* heading = new QLabel(tr("Pad"), this);
    heading->setObjectName(QStringLiteral("lblPad"));
    QFont bold = font;
    bold.setPixelSize(12 * k);
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(0, kHeadingY * k, (kBoxX + kBoxW) * k, 18 * k);
    heading->setAlignment(Qt::AlignCenter);

    for (size_t i = 0; i < boxes_.size(); ++i) {
        const auto a = static_cast<Action>(i);
        const int y = (kFirstRowY + static_cast<int>(i) * kRowStep) * k;
        auto* name = new QLabel(actionName(a), this);
        name->setObjectName(QStringLiteral("lblPadAction%1").arg(i));
        name->setFont(font);
        name->setGeometry(0, y, kNameW * k, kRowH * k);
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* box = new PadBox(layout_, a, this, k);
        box->setObjectName(QStringLiteral("padAction%1").arg(i));
        box->setGeometry(kBoxX * k, y, kBoxW * k, kRowH * k);
        box->refresh();
        // A screen reader says the action, then its buttons (the box's text).
        box->setAccessibleName(tr("Pad: %1").arg(actionName(a)));
        name->setBuddy(box);
        connect(box, &PadBox::waiting, this, &PadColumn::capturing);
        connect(box, &PadBox::cancelled, this, &PadColumn::left);
        boxes_[i] = box;
    }

    hint_ = new QLabel(tr("Choose a box, then press a button on the pad. Esc or Back leaves "
                          "it as it was."),
                       this);
    hint_->setObjectName(QStringLiteral("lblPadHint"));
    hint_->setFont(font);
    hint_->setWordWrap(true);
    hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint_->setGeometry(0, kHintY * k, (kBoxX + kBoxW) * k, kHintH * k);
}

void PadColumn::buttonPressed(int button) {
    PadBox* chosen = nullptr;
    for (PadBox* b : boxes_)
        if (b->hasFocus()) chosen = b;
    if (!chosen || button < 0 || button >= kPadButtons) return;
    if (button == kPadBack) {
        emit left();
        return;
    }
    if (button == kPadStart) return;
    layout_.buttons[static_cast<size_t>(chosen->action())] = bit(button);
    chosen->refresh();
    emit assigned();
}

void PadColumn::refresh() {
    for (PadBox* b : boxes_)
        b->refresh();
}

} // namespace zembrik
