// The settings dialog: choose a shape set and a block style, sound on or off, debug mode.
#include "app/settings_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "pieces/shape_file.h"
#include "store/safe_file.h"

namespace zembrik {

namespace {

const QColor kDarkGrey(64, 64, 64);

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

// The names in a folder that end in suffix and name plain files (or links to them), as bytes:
// a name need not be valid UTF-8, and it is loaded and saved exactly as it is. Hidden names
// are left out; the list is in name order.
std::vector<std::string> fileNames(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
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
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int c = QFile::decodeName(a.c_str()).compare(QFile::decodeName(b.c_str()));
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

// How a name of bytes is shown.
QString shown(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

QWidget* optionPanel(QWidget* parent, int x, int y, QButtonGroup* group, const char* first,
                     const char* second) {
    auto* panel = new QWidget(parent);
    panel->setGeometry(x, y, 65, 33);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, kDarkGrey);
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::white);
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
    const char* texts[2] = {first, second};
    for (int k = 0; k < 2; ++k) {
        auto* b = new QRadioButton(QLatin1String(texts[k]), panel);
        b->setGeometry(0, 16 * k, 57, 17);
        b->setFont(consoleFont(9));
        b->setPalette(pal);
        group->addButton(b, k);
    }
    return panel;
}

} // namespace

SettingsDialog::SettingsDialog(Game& g, Settings& s, StyleLoader loadStyle, const QString& appDir,
                               std::function<void(bool)> showDebug, QWidget* parent)
    : QDialog(parent), g_(g), s_(s), loadStyle_(std::move(loadStyle)), appDir_(appDir),
      showDebug_(std::move(showDebug)) {
    report_ = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("settings"), text);
    };
    build();
}

void SettingsDialog::build() {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("settings"));
    setFixedSize(181, 361);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kDarkGrey);
    setPalette(pal);
    setAutoFillBackground(true);

    QPalette white = pal;
    white.setColor(QPalette::WindowText, Qt::white);

    lblshp_ = new QLabel(this);
    lblshp_->setObjectName(QStringLiteral("lblshp"));
    lblshp_->setGeometry(8, 8, 193, 17);
    lblshp_->setFont(consoleFont(9));
    lblshp_->setPalette(white);
    lblshp_->setText(QStringLiteral("blox shape - ") + shown(s_.shapeFile));

    lblsty_ = new QLabel(this);
    lblsty_->setObjectName(QStringLiteral("lblsty"));
    lblsty_->setGeometry(8, 88, 193, 17);
    lblsty_->setFont(consoleFont(9));
    lblsty_->setPalette(white);
    lblsty_->setText(QStringLiteral("blox style - ") + shown(s_.styleFile));

    const std::string data = QFile::encodeName(appDir_).toStdString() + "/data";
    auto makeList = [&](const char* name, int y, int h, const std::string& suffix) {
        auto* list = new QListWidget(this);
        list->setObjectName(QLatin1String(name));
        list->setGeometry(8, y, 161, h);
        list->setFont(consoleFont(8.25));
        list->setPalette(QApplication::palette());
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        for (const std::string& f : fileNames(data, suffix)) {
            auto* item = new QListWidgetItem(shown(f), list);
            item->setData(Qt::UserRole, QByteArray::fromStdString(f));
        }
        list->setCurrentRow(-1);
        list->clearSelection();
        return list;
    };
    File1_ = makeList("File1", 24, 61, ".kblox");
    File2_ = makeList("File2", 104, 50, ".style");
    connectList(File1_, &SettingsDialog::chooseShape);
    connectList(File2_, &SettingsDialog::chooseStyle);

    optMut_ = new QButtonGroup(this);
    optMut_->setObjectName(QStringLiteral("optMut"));
    optionPanel(this, 16, 160, optMut_, "NOISY", "quiet")
        ->setObjectName(QStringLiteral("Picture2"));
    optdbg_ = new QButtonGroup(this);
    optdbg_->setObjectName(QStringLiteral("optdbg"));
    optionPanel(this, 104, 160, optdbg_, "ENJOY", "debug")
        ->setObjectName(QStringLiteral("Picture1"));
    if (auto* b = optMut_->button(g_.muteOpt != 0 ? 1 : 0)) b->setChecked(true);
    if (auto* b = optdbg_->button(g_.debugOpt != 0 ? 1 : 0)) b->setChecked(true);
    connect(optMut_, &QButtonGroup::idClicked, this,
            [this](int k) { g_.muteOpt = static_cast<int16_t>(k); });
    connect(optdbg_, &QButtonGroup::idClicked, this, [this](int k) {
        g_.debugOpt = static_cast<int16_t>(k);
        if (showDebug_) showDebug_(k != 0);
    });

    // The note keeps the plain label look: black text on light grey, in the largest size of
    // the default font that fits its box.
    auto* label3 = new QLabel(this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setGeometry(16, 200, 153, 73);
    QPalette plain = QApplication::palette();
    plain.setColor(QPalette::Window, QColor(240, 240, 240));
    plain.setColor(QPalette::WindowText, Qt::black);
    label3->setPalette(plain);
    label3->setAutoFillBackground(true);
    label3->setWordWrap(true);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label3->setText(QStringLiteral(
        "In debug mode: press number 1-7 to change the next piece into which you want; press "
        "number 9 for something exciting; this option won't be saved."));
    QFont noteFont = label3->font();
    for (int px = 11; px >= 7; --px) {
        noteFont.setPixelSize(px);
        const QRect need = QFontMetrics(noteFont).boundingRect(QRect(0, 0, label3->width(), 1000),
                                                               Qt::TextWordWrap, label3->text());
        if (need.height() <= label3->height()) break;
    }
    label3->setFont(noteFont);

    // Below the note, in two lines: the dialog is narrow.
    pauseOnFocusLoss_ = new QCheckBox(QStringLiteral("Pause when the window\nloses focus"), this);
    pauseOnFocusLoss_->setObjectName(QStringLiteral("chkPause"));
    pauseOnFocusLoss_->setAccessibleName(QStringLiteral("Pause when the window loses focus"));
    pauseOnFocusLoss_->setGeometry(16, 278, 157, 36);
    pauseOnFocusLoss_->setFont(consoleFont(8.25));
    pauseOnFocusLoss_->setPalette(white);
    pauseOnFocusLoss_->setChecked(s_.pauseOnFocusLoss != 0);
    connect(pauseOnFocusLoss_, &QCheckBox::toggled, this,
            [this](bool on) { s_.pauseOnFocusLoss = on ? 1 : 0; });

    Command1_ = new QPushButton(QStringLiteral("OK"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setGeometry(8, 316, 81, 41);
    Command1_->setFont(consoleFont(36));
    Command1_->setPalette(QApplication::palette());
    connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);
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
    const std::string err = loadShapeSet(g_, appDir_, name);
    if (!err.empty()) {
        report_(QStringLiteral("The shape set %1 could not be loaded:\n%2\nThe shapes of %3 stay.")
                    .arg(shown(name), shown(err), shown(s_.shapeFile)));
        return;
    }
    s_.shapeFile = name;
    lblshp_->setText(QStringLiteral("blox shape - ") + shown(name));
}

void SettingsDialog::chooseStyle(const std::string& name) {
    const std::string err = loadStyle_ ? loadStyle_(name) : std::string();
    if (!err.empty()) {
        report_(QStringLiteral("The style %1 could not be loaded:\n%2\nThe style %3 stays.")
                    .arg(shown(name), shown(err), shown(s_.styleFile)));
        return;
    }
    s_.styleFile = name;
    lblsty_->setText(QStringLiteral("blox style - ") + shown(name));
}

} // namespace zembrik
