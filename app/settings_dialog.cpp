// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: choose a shape set and a block style, sound on or off, debug mode,
// scaling, handling.
#include "app/settings_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <algorithm>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <utility>
#include <vector>

#include "app/handling_panel.h"
#include "app/language.h"
#include "pieces/shape_file.h"
#include "store/safe_file.h"

namespace zembrik {

namespace {

const QColor kDarkGrey(64, 64, 64);
const QColor kChosen(255, 214, 64), kNotChosen(200, 200, 200);
constexpr int kMargin = 8;          // between the dialog's edge and its contents
constexpr int kMostNameWidth = 400; // pixels; a longer file name is shortened in the middle

// text as it fits the label's width: whole, or with "…" in the middle of a freak file name.
QString fitted(const QLabel* l, const QString& text) {
    const QFontMetrics fm(l->font());
    // Measured whole, as the label was sized: elidedText may count a pixel more.
    if (fm.horizontalAdvance(text) <= l->width() - 2) return text;
    return fm.elidedText(text, Qt::ElideMiddle, l->width() - 2);
}

QFont consoleFont(double points) {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSizeF(points);
    return f;
}

// A file name that can be kept in a one-line settings file.
bool listable(const std::string& name) {
    for (char c : name)
        if (static_cast<unsigned char>(c) < 32) return false;
    return true;
}

// The names in the folders that end in suffix and name plain files (or links to them), as
// bytes: a name need not be valid UTF-8, and it is loaded and saved exactly as it is. A name
// found in more than one folder is listed once. Hidden names are left out; the list is in
// name order.
std::vector<std::string> fileNames(const std::vector<std::string>& folders,
                                   const std::string& suffix) {
    std::vector<std::string> names;
    for (const std::string& folder : folders) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
             it.increment(ec)) {
            std::string name = it->path().filename().string();
            if (name.size() <= suffix.size() || name[0] == '.' ||
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0 ||
                !listable(name) || !isReadableFile(folder + "/" + name))
                continue;
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int c = QFile::decodeName(a.c_str()).compare(QFile::decodeName(b.c_str()));
        return c != 0 ? c < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

// How a name of bytes is shown.
QString shown(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

// The shipped shape sets and styles by the names a player reads.
struct PlainName {
    const char* file;
    const char* name;
};
constexpr PlainName kPlainNames[] = {
    {"centre.kblox", QT_TRANSLATE_NOOP("zembrik::SettingsDialog", "Turning about the centre")},
    {"top.kblox", QT_TRANSLATE_NOOP("zembrik::SettingsDialog", "Turning at the top")},
    {"classic.style", QT_TRANSLATE_NOOP("zembrik::SettingsDialog", "Classic")},
    {"flat.style", QT_TRANSLATE_NOOP("zembrik::SettingsDialog", "Flat")},
    {"contrast.style", QT_TRANSLATE_NOOP("zembrik::SettingsDialog", "High contrast, patterned")},
};

// The chosen switch of a pair reads as chosen at a glance, not only by its small dot: its text
// is bold and bright, the other's plain and dimmer.
void markChosen(QAbstractButton* b, bool chosen) {
    QFont f = b->font();
    f.setBold(chosen);
    b->setFont(f);
    QPalette pal = b->palette();
    const QColor text = chosen ? kChosen : kNotChosen;
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::ButtonText, text);
    b->setPalette(pal);
}

// A pair of switches on a dark grey panel. Each button is as large as its text needs in bold,
// so choosing one never makes its text run out of its box.
QWidget* optionPanel(QWidget* parent, int x, int y, QButtonGroup* group, const QString& first,
                     const QString& second) {
    auto* panel = new QWidget(parent);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, kDarkGrey);
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::white);
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
    const QString texts[2] = {first, second};
    QSize need(57, 17);
    for (int k = 0; k < 2; ++k) {
        auto* b = new QRadioButton(texts[k], panel);
        QFont f = consoleFont(9);
        f.setBold(true);
        b->setFont(f);
        need = need.expandedTo(b->sizeHint());
        b->setPalette(pal);
        group->addButton(b, k);
        QObject::connect(b, &QAbstractButton::toggled, b, [b](bool on) { markChosen(b, on); });
        markChosen(b, false);
    }
    for (int k = 0; k < 2; ++k)
        group->button(k)->setGeometry(0, (need.height() - 1) * k, need.width(), need.height());
    panel->setGeometry(x, y, need.width() + 8, 2 * need.height() - 1);
    return panel;
}

} // namespace

SettingsDialog::SettingsDialog(Game& g, Settings& s, StyleLoader loadStyle, const Places& places,
                               std::function<void(bool)> showDebug, QWidget* parent)
    : QDialog(parent), g_(g), s_(s), loadStyle_(std::move(loadStyle)), places_(places),
      showDebug_(std::move(showDebug)) {
    report_ = [this](const QString& text) { QMessageBox::warning(this, tr("settings"), text); };
    build();
}

void SettingsDialog::build() {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("settings"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kDarkGrey);
    setPalette(pal);
    setAutoFillBackground(true);

    QPalette white = pal;
    white.setColor(QPalette::WindowText, Qt::white);

    // The boxes take the sizes their texts need in the fonts this machine has: the dialog keeps
    // its classic arrangement and proportions, and grows where a text would otherwise be cut.
    auto makeList = [&](const char* name, const std::string& suffix) {
        auto* list = new QListWidget(this);
        list->setObjectName(QLatin1String(name));
        list->setFont(consoleFont(8.25));
        list->setPalette(QApplication::palette());
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (const std::string& f : fileNames(places_.dataFolders(), suffix)) {
            auto* item = new QListWidgetItem(shownName(f), list);
            item->setData(Qt::UserRole, QByteArray::fromStdString(f));
            item->setToolTip(shown(f));
        }
        list->setCurrentRow(-1);
        list->clearSelection();
        return list;
    };
    File1_ = makeList("File1", ".kblox");
    File2_ = makeList("File2", ".style");
    connectList(File1_, &SettingsDialog::chooseShape);
    connectList(File2_, &SettingsDialog::chooseStyle);
    auto makeName = [&](const char* name, const QString& prefix, const std::string& current,
                        const QListWidget* list) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setFont(consoleFont(9));
        l->setPalette(white);
        // Wide enough for the name of any entry it may come to show, up to a limit that a
        // freak file name cannot stretch the dialog past.
        const QFontMetrics fm(l->font());
        // A name in another script may be drawn in a taller fallback face: tall enough too.
        QSize need = fm.size(0, prefix + shownName(current));
        for (int i = 0; i < list->count(); ++i)
            need = need.expandedTo(fm.size(0, prefix + list->item(i)->text()));
        l->resize(std::clamp(need.width() + 2, 193, kMostNameWidth),
                  std::max({17, fm.height() + 2, need.height()}));
        l->setText(fitted(l, prefix + shownName(current)));
        return l;
    };
    lblshp_ = makeName("lblshp", tr("blox shape - "), s_.options.shapeFile, File1_);
    lblsty_ = makeName("lblsty", tr("blox style - "), s_.styleFile, File2_);
    // A list is wide enough for its longest entry beside its scroll bar.
    auto listWidth = [](QListWidget* list) {
        const int bar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
        return std::clamp(list->sizeHintForColumn(0) + 2 * list->frameWidth() + bar + 4, 161,
                          kMostNameWidth);
    };
    const int listW = std::max(listWidth(File1_), listWidth(File2_));

    optMut_ = new QButtonGroup(this);
    optMut_->setObjectName(QStringLiteral("optMut"));
    QWidget* picture2 = optionPanel(this, 0, 0, optMut_, tr("NOISY"), tr("quiet"));
    picture2->setObjectName(QStringLiteral("Picture2"));
    optdbg_ = new QButtonGroup(this);
    optdbg_->setObjectName(QStringLiteral("optdbg"));
    QWidget* picture1 = optionPanel(this, 0, 0, optdbg_, tr("ENJOY"), tr("debug"));
    picture1->setObjectName(QStringLiteral("Picture1"));
    if (auto* b = optMut_->button(g_.muteOpt != 0 ? 1 : 0)) b->setChecked(true);
    if (auto* b = optdbg_->button(g_.debugOpt != 0 ? 1 : 0)) b->setChecked(true);
    connect(optMut_, &QButtonGroup::idClicked, this,
            [this](int k) { g_.muteOpt = static_cast<int16_t>(k); });
    connect(optdbg_, &QButtonGroup::idClicked, this, [this](int k) {
        g_.debugOpt = static_cast<int16_t>(k);
        if (showDebug_) showDebug_(k != 0);
    });

    optScale_ = new QButtonGroup(this);
    optScale_->setObjectName(QStringLiteral("optScale"));
    QWidget* picture4 = optionPanel(this, 0, 0, optScale_, tr("Sharp"), tr("Fill"));
    picture4->setObjectName(QStringLiteral("Picture4"));
    const QString scalingTip =
        tr("How the game fills its window. Sharp: in whole steps (2x, 3x ...), every pixel a "
           "sharp square, with black around. Fill: as large as the window allows, at any size.");
    picture4->setToolTip(scalingTip);
    if (auto* b = optScale_->button(s_.scaling != 0 ? 1 : 0)) b->setChecked(true);
    connect(optScale_, &QButtonGroup::idClicked, this,
            [this](int k) { s_.scaling = static_cast<int16_t>(k); });
    auto* scalingLabel = new QLabel(tr("window\nscaling"), this);
    scalingLabel->setObjectName(QStringLiteral("lblScale"));
    scalingLabel->setFont(consoleFont(8.25));
    scalingLabel->setPalette(white);
    scalingLabel->setToolTip(scalingTip);
    scalingLabel->resize(scalingLabel->sizeHint());

    // The language: System (the desktop's) or a shipped one, each named in its own words. The
    // texts are made once, at start-up, so a change applies at the next start, as it says.
    language_ = new QComboBox(this);
    language_->setObjectName(QStringLiteral("cboLanguage"));
    language_->setFont(consoleFont(8.25));
    language_->setPalette(QApplication::palette());
    language_->addItem(tr("System"));
    for (size_t i = 1; i < kLanguages.size(); ++i)
        language_->addItem(QString::fromUtf8(kLanguages[i].ownName));
    // A language a later version added shows as System until the player picks one here.
    if (s_.languageLine > 0 && s_.languageLine < language_->count())
        language_->setCurrentIndex(s_.languageLine);
    connect(language_, &QComboBox::activated, this,
            [this](int k) { s_.languageLine = static_cast<int16_t>(k); });
    auto* languageLabel = new QLabel(tr("language"), this);
    languageLabel->setObjectName(QStringLiteral("lblLanguage"));
    languageLabel->setFont(consoleFont(8.25));
    languageLabel->setPalette(white);
    languageLabel->resize(languageLabel->sizeHint());
    languageLabel->setBuddy(language_);
    auto* languageNote = new QLabel(tr("from the next start"), this);
    languageNote->setObjectName(QStringLiteral("lblLanguageNote"));
    languageNote->setFont(consoleFont(8.25));
    languageNote->setPalette(white);
    languageNote->resize(languageNote->sizeHint());
    language_->setAccessibleName(tr("Language (from the next start)"));

    // Below the note, in two lines: the dialog is narrow.
    pauseOnFocusLoss_ = new QCheckBox(tr("Pause when the window\nloses focus"), this);
    pauseOnFocusLoss_->setObjectName(QStringLiteral("chkPause"));
    pauseOnFocusLoss_->setAccessibleName(tr("Pause when the window loses focus"));
    pauseOnFocusLoss_->setFont(consoleFont(8.25));
    pauseOnFocusLoss_->setPalette(white);
    pauseOnFocusLoss_->setChecked(s_.pauseOnFocusLoss != 0);
    connect(pauseOnFocusLoss_, &QCheckBox::toggled, this,
            [this](bool on) { s_.pauseOnFocusLoss = on ? 1 : 0; });

    Command1_ = new QPushButton(tr("OK"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setFont(consoleFont(36));
    Command1_->setPalette(QApplication::palette());
    connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);

    // One column as wide as its widest text: the lists, their labels and the note share it, so
    // no box is much wider or narrower than what it holds beside the others.
    const int inner = std::max({listW, lblshp_->width(), lblsty_->width(),
                                picture1->width() + picture2->width() + 23,
                                pauseOnFocusLoss_->sizeHint().width()});
    for (QLabel* l : {lblshp_, lblsty_})
        l->resize(inner, l->height());
    // Top to bottom, in the classic order and spacing.
    int y = kMargin;
    lblshp_->move(kMargin, y);
    y += lblshp_->height() - 1;
    File1_->setGeometry(kMargin, y, inner, 61);
    y += 61 + 3;
    lblsty_->move(kMargin, y);
    y += lblsty_->height() - 1;
    File2_->setGeometry(kMargin, y, inner, 50);
    y += 50 + 6;
    picture2->move(16, y);
    picture1->move(std::max(104, picture2->geometry().right() + 23), y);
    y += std::max(picture1->height(), picture2->height()) + 7;
    picture4->move(16, y);
    scalingLabel->move(picture1->x(), y + (picture4->height() - scalingLabel->height()) / 2);
    y += std::max(picture4->height(), scalingLabel->height()) + 7;
    handling_ = new HandlingPanel(s_.options.handling, inner - 8, this);
    handling_->move(16, y);
    y += handling_->height() + 7;
    language_->resize(language_->sizeHint());
    languageLabel->move(16, y + (language_->height() - languageLabel->height()) / 2);
    language_->move(std::max(picture1->x(), languageLabel->geometry().right() + 8), y);
    y += language_->height() + 1;
    languageNote->move(language_->x(), y);
    y += languageNote->height() + 7;

    // The note keeps the plain label look: black text on light grey, in the largest size of
    // the default font that fits its box.
    auto* label3 = new QLabel(this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setGeometry(16, y, inner - 8, 73);
    QPalette plain = QApplication::palette();
    plain.setColor(QPalette::Window, QColor(240, 240, 240));
    plain.setColor(QPalette::WindowText, Qt::black);
    label3->setPalette(plain);
    label3->setAutoFillBackground(true);
    label3->setWordWrap(true);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label3->setText(
        tr("In debug mode: press number 1-7 to change the next piece into which you want; press "
           "number 9 for something exciting; this option won't be saved."));
    QFont noteFont = label3->font();
    int noteH = 73;
    for (int px = 11; px >= 7; --px) {
        noteFont.setPixelSize(px);
        noteH =
            QFontMetrics(noteFont)
                .boundingRect(QRect(0, 0, label3->width(), 1000), Qt::TextWordWrap, label3->text())
                .height();
        if (noteH <= 73) break;
    }
    label3->setFont(noteFont);
    // With a font too large for the box even at its smallest size, the box grows instead.
    label3->resize(label3->width(), std::max(73, noteH));
    y += label3->height() + 5;

    pauseOnFocusLoss_->setGeometry(16, y, std::max(157, pauseOnFocusLoss_->sizeHint().width()),
                                   std::max(36, pauseOnFocusLoss_->sizeHint().height()));
    y += pauseOnFocusLoss_->height() + 2;
    const QSize ok = QSize(81, 41).expandedTo(Command1_->sizeHint());
    Command1_->setGeometry(kMargin, y, ok.width(), ok.height());
    y += ok.height() + 4;

    // What a screen reader says for each control, and Tab in the order the dialog shows them.
    File1_->setAccessibleName(tr("Shape set"));
    File2_->setAccessibleName(tr("Block style"));
    const std::pair<QButtonGroup*, std::array<QString, 2>> switches[] = {
        {optMut_, {tr("Sound on"), tr("Sound off")}},
        {optdbg_, {tr("Debug mode off"), tr("Debug mode on")}},
        {optScale_, {tr("Sharp scaling"), tr("Fill scaling")}},
    };
    QWidget* previous = File2_;
    setTabOrder(File1_, File2_);
    for (const auto& [group, names] : switches)
        for (int k = 0; k < 2; ++k) {
            group->button(k)->setAccessibleName(names[static_cast<size_t>(k)]);
            setTabOrder(previous, group->button(k));
            previous = group->button(k);
        }
    for (QWidget* w : std::initializer_list<QWidget*>{
             handling_->kindGroup()->button(0), handling_->kindGroup()->button(1),
             handling_->delayBox(), handling_->intervalBox(), handling_->softDropBox(), language_,
             pauseOnFocusLoss_, Command1_}) {
        setTabOrder(previous, w);
        previous = w;
    }

    int right = 181 - kMargin - 4;
    for (const QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        right = std::max(right, w->geometry().right());
    setFixedSize(right + 1 + kMargin + 4, y);
}

QString plainFileName(const Places& places, const std::string& file) {
    // A player's own file of a shipped file's name is theirs: it goes by its file name.
    if (places.dataRoot(file) == places.shipped)
        for (const PlainName& p : kPlainNames)
            if (file == p.file) return SettingsDialog::tr(p.name);
    return shown(file);
}

void SettingsDialog::connectList(QListWidget* list,
                                 void (SettingsDialog::*choose)(const std::string&)) {
    // A newly selected entry is chosen at once, by mouse or keyboard. A click on the entry
    // that is already selected chooses it again. Taking the focus only makes an entry
    // current without selecting it, so it chooses nothing. An entry carries its name as bytes.
    auto name = [](const QListWidgetItem* item) {
        return item->data(Qt::UserRole).toByteArray().toStdString();
    };
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list, choose, name] {
        const auto selected = list->selectedItems();
        if (selected.isEmpty()) return;
        selectedByPress_ = true;
        (this->*choose)(name(selected.first()));
    });
    connect(list, &QListWidget::itemClicked, this, [this, choose, name](QListWidgetItem* item) {
        if (!selectedByPress_) (this->*choose)(name(item));
    });
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) selectedByPress_ = false;
    return QDialog::eventFilter(watched, e);
}

void SettingsDialog::chooseShape(const std::string& name) {
    const std::string err = loadShapeSet(g_, places_, name);
    if (!err.empty()) {
        report_(tr("The shape set %1 could not be loaded:\n%2\nThe shapes of %3 stay.")
                    .arg(shown(name), shown(err), shown(s_.options.shapeFile)));
        return;
    }
    s_.options.shapeFile = name;
    lblshp_->setText(fitted(lblshp_, tr("blox shape - ") + shownName(name)));
}

void SettingsDialog::chooseStyle(const std::string& name) {
    const std::string err = loadStyle_ ? loadStyle_(name) : std::string();
    if (!err.empty()) {
        report_(tr("The style %1 could not be loaded:\n%2\nThe style %3 stays.")
                    .arg(shown(name), shown(err), shown(s_.styleFile)));
        return;
    }
    s_.styleFile = name;
    lblsty_->setText(fitted(lblsty_, tr("blox style - ") + shownName(name)));
}

} // namespace zembrik
