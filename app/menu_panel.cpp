// SPDX-License-Identifier: GPL-3.0-or-later
// The menu panel: level bar, option selectors and the picture buttons that start things.
#include "app/menu_panel.h"

#include <QAccessibleWidget>
#include <QFont>
#include <QPixmap>
#include <optional>

#include "app/art.h"
#include "app/click_label.h"
#include "app/mode_row.h"
#include "core/levels.h"

namespace zembrik {

namespace {

constexpr uint32_t kGrey = 0x404040, kWhite = 0xFFFFFF;

// Unlit level button colours by group of five levels.
constexpr uint32_t kLevelGroup[4] = {0x004040, 0x004000, 0x404000, 0x400000};

size_t idx(Selector s) {
    return static_cast<size_t>(s);
}

void fill(QWidget* w, uint32_t rgb) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(rgb));
    w->setPalette(pal);
}

struct SquarePlace {
    Selector s;
    int count;
    int y;
    int x[3];
};
// A row's band of the options picture: its name and its squares, a little above and below them.
constexpr int kRowAbove = 6, kRowHeight = 20;
constexpr SquarePlace kSquares[] = {
    {Selector::Hold, 2, 192, {72, 104, 0}},   {Selector::Qua, 3, 212, {72, 96, 120}},
    {Selector::Ghost, 2, 232, {72, 104, 0}},  {Selector::Next, 2, 252, {72, 104, 0}},
    {Selector::Climb, 3, 272, {72, 96, 120}},
};

// A ClickLabel as assistive tools see it: its role, whether it is the chosen one of its row,
// and a press action that clicks it.
class ClickLabelAccessible : public QAccessibleWidget {
  public:
    explicit ClickLabelAccessible(ClickLabel* l) : QAccessibleWidget(l, l->accessibleRole()) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (label()->accessibleRole() == QAccessible::RadioButton) {
            s.checkable = true;
            s.checked = label()->isChecked();
        }
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) label()->click();
    }

  private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* clickLabelFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("zembrik::ClickLabel") || !object || !object->isWidgetType())
        return nullptr;
    // Owned by Qt's accessibility cache, which deletes it with the label.
    return new ClickLabelAccessible(static_cast<ClickLabel*>(object));
}

// The words a screen reader says for each square of the option rows.
QString choiceName(Selector s, int k) {
    switch (s) {
    case Selector::Hold:
        return k == 0 ? MenuPanel::tr("Holding: off") : MenuPanel::tr("Holding: on");
    case Selector::Qua:
        return k == 0   ? MenuPanel::tr("Gravity: rows close")
               : k == 1 ? MenuPanel::tr("Gravity: cascade")
                        : MenuPanel::tr("Gravity: gaps stay");
    case Selector::Ghost:
        return k == 0 ? MenuPanel::tr("Shadow: off") : MenuPanel::tr("Shadow: on");
    case Selector::Next:
        return k == 0 ? MenuPanel::tr("Next pieces: 1") : MenuPanel::tr("Next pieces: 3");
    case Selector::Climb:
        return MenuPanel::tr("Climbing: %1").arg(k < 2 ? k : 3);
    case Selector::GameMode:
        break; // named with the mode row (app/mode_row.cpp)
    }
    return {};
}

} // namespace

void installClickLabelAccessibility() {
    // Installed once: a second factory would only be asked after the first.
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(clickLabelFactory);
        return true;
    }();
}

MenuPanel::MenuPanel(GameOptions& o, QWidget* parent) : QWidget(parent), o_(o) {
    installClickLabelAccessibility();
    setGeometry(216, 80, 192, 392);
    setAutoFillBackground(true);
    fill(this, 0x000000);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Menu"));

    image1_ = addPicture(":/art/newgame.png", 0, 0, 192, 32);
    addPicture(":/art/options.png", 0, 32, 192, 256);
    image3_ = addPicture(":/art/controls.png", 0, 288, 192, 32);
    image5_ = addPicture(":/art/settings.png", 0, 320, 192, 32);
    image4_ = addPicture(":/art/about.png", 0, 352, 192, 32);
    for (ClickLabel* b : {image1_, image3_, image5_})
        b->setCursor(Qt::UpArrowCursor);
    image4_->setCursor(Qt::SizeAllCursor);
    connect(image1_, &ClickLabel::clicked, this, &MenuPanel::startClicked);
    connect(image3_, &ClickLabel::clicked, this, &MenuPanel::controlsClicked);
    connect(image5_, &ClickLabel::clicked, this, &MenuPanel::settingsClicked);
    connect(image4_, &ClickLabel::pressed, this, &MenuPanel::aboutPressed);
    image1_->setToolTip(tr("Start a game at the chosen level with these options. The start key "
                           "(Enter unless you change it in Controls) does the same."));
    image3_->setToolTip(tr("Choose the keys that move, turn, drop and hold the pieces, and the "
                           "key that starts a game."));
    image5_->setToolTip(tr("Choose the shape set and the look of the blocks, sound on or off, "
                           "and how the game fills its window."));
    image4_->setToolTip(tr("The version of the game and who made it."));
    image1_->setAccessibleName(tr("New Game"));
    image3_->setAccessibleName(tr("Controls"));
    image5_->setAccessibleName(tr("Settings"));
    image4_->setAccessibleName(tr("About"));

    // The heading over the level bar, and each option row's name, explain themselves when the
    // pointer rests on them; these areas draw nothing, the picture under them shows.
    addExplainedArea(QRect(0, 32, 192, 88),
                     tr("The start level: click a face below to choose it. H0 to H9: the pieces "
                        "fall, faster at each level. M0 to M9: each piece lands on the stack at "
                        "once and waits less at each level before it locks. After M9 comes the "
                        "last level, ?!, where the stack is hidden; a game never leaves it."));
    label1_ = new QLabel(this);
    label1_->setGeometry(80, 72, 16, 24);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setFont(QFont("DejaVu Sans", 9));
    label1_->setAutoFillBackground(true);
    QPalette pal = label1_->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, QColor(192, 192, 192));
    label1_->setPalette(pal);
    label1_->setFocusPolicy(Qt::NoFocus);
    label1_->setToolTip(tr("The level a new game starts at."));
    label1_->setAccessibleName(tr("Start level"));

    auto* picture1 = new QWidget(this);
    picture1->setGeometry(0, 120, 193, 33);
    picture1->setAutoFillBackground(true);
    fill(picture1, 0x000000);
    picture1->setFocusPolicy(Qt::NoFocus);
    picture1->setToolTip(tr("The start level: top row H0 to H9, bottom row M0 to M9."));
    picture1->setAccessibleName(tr("Start level"));
    for (int i = 0; i < 20; ++i) {
        auto* b = new ClickLabel(picture1);
        b->setGeometry(i < 10 ? 19 * i : 19 * (i - 10), i < 10 ? 0 : 18, 18, 15);
        b->setAutoFillBackground(true);
        b->setCursor(Qt::UpArrowCursor);
        connect(b, &ClickLabel::clicked, this,
                [this, i] { shplvl_Click(static_cast<int16_t>(i)); });
        levelButtons_[static_cast<size_t>(i)] = b;
        levelColours_[static_cast<size_t>(i)] = kLevelGroup[i / 5];
        b->setToolTip(levelToolTip(i));
        b->setAccessibleRole(QAccessible::RadioButton);
        b->setAccessibleName(tr("Start level %1").arg(QString::fromStdString(levelstr(i))));
        paintLevelButton(i);
    }

    for (const SquarePlace& p : kSquares) {
        addExplainedArea(QRect(0, p.y - kRowAbove, 192, kRowHeight), rowToolTip(p.s));
        for (int k = 0; k < p.count; ++k) {
            auto* sq = new ClickLabel(this);
            sq->setGeometry(p.x[k], p.y, 9, 9);
            sq->setAutoFillBackground(true);
            sq->setCursor(Qt::UpArrowCursor);
            squares_[idx(p.s)][static_cast<size_t>(k)] = sq;
            sq->setToolTip(choiceToolTip(p.s, k));
            sq->setAccessibleRole(QAccessible::RadioButton);
            sq->setAccessibleName(choiceName(p.s, k));
            setSquare(p.s, k, false);
            const Selector s = p.s;
            connect(sq, &ClickLabel::clicked, this, [this, s, k] {
                switch (s) {
                case Selector::Hold:
                    opthold_Click(k);
                    break;
                case Selector::Qua:
                    optqua_Click(k);
                    break;
                case Selector::Ghost:
                    optghost_Click(k);
                    break;
                case Selector::Next:
                    opt3next_Click(k);
                    break;
                case Selector::Climb:
                    optclb_Click(k);
                    break;
                case Selector::GameMode:
                    break;
                }
            });
        }
    }

    addExplainedArea(kModeArea, modeHeadingToolTip());
    const auto modes = addModeSquares(this);
    static_assert(modes.size() <= 3, "a selector has at most three squares");
    for (size_t k = 0; k < modes.size(); ++k) {
        squares_[idx(Selector::GameMode)][k] = modes[k];
        setSquare(Selector::GameMode, static_cast<int>(k), false);
        connect(modes[k], &ClickLabel::clicked, this,
                [this, k] { optmode_Click(static_cast<int>(k)); });
    }
}

void MenuPanel::addExplainedArea(const QRect& r, const QString& text) {
    auto* area = new QWidget(this);
    area->setGeometry(r);
    area->setFocusPolicy(Qt::NoFocus);
    area->setToolTip(text);
}

QString MenuPanel::levelToolTip(int i) {
    if (i < 10)
        return tr("Start at H%1: the pieces fall by themselves, faster at each level.").arg(i);
    return tr("Start at M%1: each piece lands on the stack at once; you have a moment to move "
              "and turn it before it locks, shorter at each level.")
        .arg(i - 10);
}

QString MenuPanel::rowToolTip(Selector s) {
    switch (s) {
    case Selector::Hold:
        return tr("Holding: whether the hold key may put the falling piece aside, once for each "
                  "piece, and bring back the one kept there.");
    case Selector::Qua:
        return tr("Gravity: what the blocks above do once rows are cleared. ~ they move down to "
                  "close the gap; \u2713 loose groups fall as far as they can and may clear "
                  "more rows; ! they stay where they are, leaving the gap.");
    case Selector::Ghost:
        return tr("Shadow: whether an outline shows where the falling piece would land.");
    case Selector::Next:
        return tr("# of Next: how many of the coming pieces are shown, one or three.");
    case Selector::Climb:
        return tr("Climbing: how many rows a turn may lift a piece above the lowest row it has "
                  "reached: 0, 1 or 3. More lets a piece turn its way up out of a tight spot.");
    case Selector::GameMode:
        return modeHeadingToolTip();
    }
    return {};
}

QString MenuPanel::choiceToolTip(Selector s, int k) {
    switch (s) {
    case Selector::Hold:
        return k == 0 ? tr("No hold.")
                      : tr("Hold allowed: the hold key swaps the falling piece "
                           "with the one kept aside, once for each piece.");
    case Selector::Qua:
        return k == 0   ? tr("~ After a clear the rows above move down to close the gap.")
               : k == 1 ? tr("\u2713 After a clear loose groups of blocks fall as far as they "
                             "can, and may clear more rows.")
                        : tr("! After a clear the blocks above stay where they are.");
    case Selector::Ghost:
        return k == 0 ? tr("No shadow.")
                      : tr("Shadow: an outline shows where the falling piece would land.");
    case Selector::Next:
        return k == 0 ? tr("Show the next piece.") : tr("Show the next three pieces.");
    case Selector::Climb:
        return k == 0   ? tr("A turn never lifts a piece above the lowest row it has reached.")
               : k == 1 ? tr("A turn may lift a piece one row above the lowest row it has "
                             "reached.")
                        : tr("A turn may lift a piece up to three rows above the lowest row it "
                             "has reached.");
    case Selector::GameMode:
        return modeToolTip(modeRule(static_cast<Mode>(k)).mode);
    }
    return {};
}

ClickLabel* MenuPanel::addPicture(const QString& resource, int x, int y, int w, int h) {
    auto* l = new ClickLabel(this);
    l->setGeometry(x, y, w, h);
    l->setPixmap(artPixmap(resource));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

void MenuPanel::paintLevelButton(int i) {
    fill(levelButtons_[static_cast<size_t>(i)], levelColours_[static_cast<size_t>(i)]);
}

void MenuPanel::lightLevelBar(int level) {
    for (int i = 0; i < 20; ++i)
        levelColours_[static_cast<size_t>(i)] = kLevelGroup[i / 5];
    // The stored colour is tripled as one number; with these group colours that triples each
    // channel without any carry.
    for (int j = 0; j <= level && j < 20; ++j)
        levelColours_[static_cast<size_t>(j)] *= 3;
    for (int i = 0; i < 20; ++i) {
        paintLevelButton(i);
        levelButtons_[static_cast<size_t>(i)]->setChecked(i == level);
    }
}

void MenuPanel::showLevelText() {
    label1_->setText(QString::fromStdString(levelstr(o_.startLevel)));
}

void MenuPanel::shplvl_Click(int16_t level) {
    lightLevelBar(level);
    o_.startLevel = level;
    showLevelText();
}

void MenuPanel::setSquare(Selector s, int k, bool white) {
    if (k < 0 || k > 2) return;
    ClickLabel* sq = squares_[idx(s)][static_cast<size_t>(k)];
    if (!sq) return;
    white_[idx(s)][static_cast<size_t>(k)] = white;
    sq->setChecked(white);
    fill(sq, white ? kWhite : kGrey);
}

bool MenuPanel::isSelected(Selector s, int k) const {
    return k >= 0 && k <= 2 && white_[idx(s)][static_cast<size_t>(k)];
}

QWidget* MenuPanel::square(Selector s, int k) const {
    return (k >= 0 && k <= 2) ? squares_[idx(s)][static_cast<size_t>(k)] : nullptr;
}

void MenuPanel::opthold_Click(int k) {
    setSquare(Selector::Hold, k, true);
    setSquare(Selector::Hold, 1 - k, false);
    o_.holdOpt = static_cast<int16_t>(k);
}

void MenuPanel::optghost_Click(int k) {
    setSquare(Selector::Ghost, k, true);
    setSquare(Selector::Ghost, 1 - k, false);
    o_.ghostOpt = static_cast<int16_t>(k);
}

void MenuPanel::opt3next_Click(int k) {
    setSquare(Selector::Next, k, true);
    setSquare(Selector::Next, 1 - k, false);
    o_.nextOpt = static_cast<int16_t>(k);
}

void MenuPanel::optqua_Click(int k) {
    setSquare(Selector::Qua, o_.quaOpt, false);
    setSquare(Selector::Qua, k, true);
    o_.quaOpt = static_cast<int16_t>(k);
}

void MenuPanel::optclb_Click(int k) {
    setSquare(Selector::Climb, o_.clbOpt, false);
    setSquare(Selector::Climb, k, true);
    o_.clbOpt = static_cast<int16_t>(k);
}

void MenuPanel::optmode_Click(int k) {
    const std::optional<Mode> m = modeOf(k);
    if (!m) return;
    setSquare(Selector::GameMode, static_cast<int>(o_.mode), false);
    setSquare(Selector::GameMode, k, true);
    o_.mode = *m;
}

void MenuPanel::rerunOptionHandlers() {
    opthold_Click(o_.holdOpt);
    optqua_Click(o_.quaOpt);
    opt3next_Click(o_.nextOpt);
    optghost_Click(o_.ghostOpt);
    optclb_Click(o_.clbOpt);
    optmode_Click(static_cast<int>(o_.mode));
}

QWidget* MenuPanel::levelButton(int i) const {
    return levelButtons_[static_cast<size_t>(i)];
}
QWidget* MenuPanel::startButton() const {
    return image1_;
}
QWidget* MenuPanel::controlsButton() const {
    return image3_;
}
QWidget* MenuPanel::settingsButton() const {
    return image5_;
}
QWidget* MenuPanel::aboutButton() const {
    return image4_;
}
QString MenuPanel::levelText() const {
    return label1_->text();
}

QString bestKindText(const GameOptions& o, const QString& shapes) {
    QStringList parts;
    if (o.mode == Mode::Sprint) parts << MenuPanel::tr("Sprint");
    if (o.mode == Mode::Ultra) parts << MenuPanel::tr("Ultra");
    parts << QString::fromStdString(levelstr(o.startLevel))
          << (o.holdOpt != 0 ? MenuPanel::tr("hold") : MenuPanel::tr("no hold"))
          << (o.quaOpt == 1   ? MenuPanel::tr("cascade")
              : o.quaOpt == 2 ? MenuPanel::tr("gaps stay")
                              : MenuPanel::tr("rows close"))
          << (o.nextOpt != 0 ? MenuPanel::tr("3 next") : MenuPanel::tr("1 next"))
          << MenuPanel::tr("climb %1").arg(o.clbOpt >= 2 ? 3 : o.clbOpt);
    if (o.handling.custom != 0) parts << MenuPanel::tr("custom handling");
    if (!shapes.isEmpty()) parts << shapes;
    // A line may wrap between the parts, never inside one ("3 next").
    for (QString& part : parts)
        part.replace(QLatin1Char(' '), QChar(0x00A0));
    return MenuPanel::tr("Best for %1").arg(parts.join(QStringLiteral(" \u00B7 ")));
}

QString aboutText() {
    return QStringList{QStringLiteral("Zembrik"),
                       MenuPanel::tr("Contact: zembrik-team@example.org"),
                       MenuPanel::tr("Built with C++20 and Qt 6"),
                       MenuPanel::tr("Version%1").arg(QStringLiteral("2011.4.11")),
                       MenuPanel::tr("WEBSITE: https://zembrik.example.org"),
                       QString(),
                       MenuPanel::tr("Thanks to:"),
                       MenuPanel::tr("Sound effects synthesised by the Zembrik team")}
        .join(QStringLiteral("\r\n"));
}

} // namespace zembrik
