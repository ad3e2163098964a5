// The menu panel: level bar, option selectors and the picture buttons that start things.
#include "app/menu_panel.h"

#include <QFont>
#include <QPixmap>

#include "app/art.h"
#include "app/click_label.h"
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
constexpr SquarePlace kSquares[] = {
    {Selector::Hold, 2, 192, {72, 104, 0}},   {Selector::Qua, 3, 212, {72, 96, 120}},
    {Selector::Ghost, 2, 232, {72, 104, 0}},  {Selector::Next, 2, 252, {72, 104, 0}},
    {Selector::Climb, 3, 272, {72, 96, 120}},
};

} // namespace

MenuPanel::MenuPanel(Game& g, QWidget* parent) : QWidget(parent), g_(g) {
    setGeometry(216, 80, 192, 392);
    setAutoFillBackground(true);
    fill(this, 0x000000);
    setFocusPolicy(Qt::StrongFocus);

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

    auto* picture1 = new QWidget(this);
    picture1->setGeometry(0, 120, 193, 33);
    picture1->setAutoFillBackground(true);
    fill(picture1, 0x000000);
    picture1->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < 20; ++i) {
        auto* b = new ClickLabel(picture1);
        b->setGeometry(i < 10 ? 19 * i : 19 * (i - 10), i < 10 ? 0 : 18, 18, 15);
        b->setAutoFillBackground(true);
        b->setCursor(Qt::UpArrowCursor);
        connect(b, &ClickLabel::clicked, this,
                [this, i] { shplvl_Click(static_cast<int16_t>(i)); });
        levelButtons_[static_cast<size_t>(i)] = b;
        levelColours_[static_cast<size_t>(i)] = kLevelGroup[i / 5];
        paintLevelButton(i);
    }

    for (const SquarePlace& p : kSquares) {
        for (int k = 0; k < p.count; ++k) {
            auto* sq = new ClickLabel(this);
            sq->setGeometry(p.x[k], p.y, 9, 9);
            sq->setAutoFillBackground(true);
            sq->setCursor(Qt::UpArrowCursor);
            squares_[idx(p.s)][static_cast<size_t>(k)] = sq;
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
                }
            });
        }
    }
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
    for (int i = 0; i < 20; ++i)
        paintLevelButton(i);
}

void MenuPanel::showLevelText() {
    label1_->setText(QString::fromStdString(levelstr(g_.curLevel)));
}

void MenuPanel::shplvl_Click(int16_t level) {
    lightLevelBar(level);
    g_.curLevel = level;
    showLevelText();
}

void MenuPanel::setSquare(Selector s, int k, bool white) {
    if (k < 0 || k > 2) return;
    ClickLabel* sq = squares_[idx(s)][static_cast<size_t>(k)];
    if (!sq) return;
    white_[idx(s)][static_cast<size_t>(k)] = white;
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
    g_.holdOpt = static_cast<int16_t>(k);
}

void MenuPanel::optghost_Click(int k) {
    setSquare(Selector::Ghost, k, true);
    setSquare(Selector::Ghost, 1 - k, false);
    g_.ghostOpt = static_cast<int16_t>(k);
}

void MenuPanel::opt3next_Click(int k) {
    setSquare(Selector::Next, k, true);
    setSquare(Selector::Next, 1 - k, false);
    g_.nextOpt = static_cast<int16_t>(k);
}

void MenuPanel::optqua_Click(int k) {
    setSquare(Selector::Qua, g_.quaOpt, false);
    setSquare(Selector::Qua, k, true);
    g_.quaOpt = static_cast<int16_t>(k);
}

void MenuPanel::optclb_Click(int k) {
    setSquare(Selector::Climb, g_.clbOpt, false);
    setSquare(Selector::Climb, k, true);
    g_.clbOpt = static_cast<int16_t>(k);
    g_.climbLimit = static_cast<int16_t>(k < 2 ? k : 3);
}

void MenuPanel::rerunOptionHandlers() {
    opthold_Click(g_.holdOpt);
    optqua_Click(g_.quaOpt);
    opt3next_Click(g_.nextOpt);
    optghost_Click(g_.ghostOpt);
    optclb_Click(g_.clbOpt);
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

QString aboutText() {
    const char* lines[] = {
        "Zembrik",
        "Contact: zembrik-team@example.org",
        "Built with C++20 and Qt 6",
        "Version2011.4.11",
        "WEBSITE: https://zembrik.example.org",
        "",
        "Thanks to:",
        "Sound effects synthesised by the Zembrik team",
    };
    QStringList l;
    for (const char* s : lines)
        l << QString::fromUtf8(s);
    return l.join("\r\n");
}

} // namespace zembrik
