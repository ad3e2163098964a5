// Reading and writing the settings files: tolerant reading with defaults, atomic writing.
#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "app/key_names.h"
#include "pieces/shape_file.h"
#include "store/safe_file.h"

namespace zembrik {

namespace {

constexpr qint64 kMaxFileBytes = 1 << 20; // settings files are a few dozen bytes

// One integer of a settings file: where it lives, its name in notes, its range and default.
template <class Owner> struct IntSlot {
    int16_t Owner::*var;
    const char* name;
    int16_t lo, hi, def;
};

// option_game.000, in file order, with each control's range and the shipped value.
constexpr std::array<IntSlot<Game>, 7> kGameSlots{{
    {&Game::curLevel, "level", 0, 20, 0},
    {&Game::holdOpt, "hold", 0, 1, 1},
    {&Game::quaOpt, "gravity", 0, 2, 0},
    {&Game::nextOpt, "next pieces", 0, 1, 1},
    {&Game::ghostOpt, "shadow", 0, 1, 1},
    {&Game::muteOpt, "sound", 0, 1, 0},
    {&Game::clbOpt, "climbing", 0, 2, 0},
}};

// option_key.000, in file order.
constexpr std::array<IntSlot<Game>, 9> kKeySlots{{
    {&Game::keyMl, "move left key", 0, 255, 37},
    {&Game::keyMr, "move right key", 0, 255, 39},
    {&Game::keyMd, "soft drop key", 0, 255, 40},
    {&Game::keyRl, "rotate left key", 0, 255, 90},
    {&Game::keyRr, "rotate right key", 0, 255, 38},
    {&Game::keyRo, "half turn key", 0, 255, 65},
    {&Game::keyFd, "hard drop key", 0, 255, 32},
    {&Game::keyHd, "hold key", 0, 255, 67},
    {&Game::keySt, "start key", 0, 255, 13},
}};

// option_more.000, in file order: what the classic files had no place for. New lines go at
// the end; a file written before they existed simply lacks them and they take their default.
constexpr std::array<IntSlot<Settings>, 1> kMoreSlots{{
    {&Settings::pauseOnFocusLoss, "pause on focus loss", 0, 1, 1},
}};

QString dataPath(const QString& appDir, const char* file) {
    return QDir(appDir).filePath(QStringLiteral("data/") + QLatin1String(file));
}

// The whole file, or nothing when it is missing, not a plain file, unreadable or implausibly
// large.
std::optional<QByteArray> readSmallFile(const QString& path) {
    // Only plain files: opening a named pipe would wait for a writer forever.
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    if (f.size() > kMaxFileBytes) return std::nullopt;
    QByteArray bytes = f.read(kMaxFileBytes);
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

// Splits text into fields separated by blanks, tabs, commas and line ends.
std::vector<std::string> fields(const QByteArray& text) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n') {
            if (!cur.empty()) out.push_back(std::move(cur));
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) out.push_back(std::move(cur));
    return out;
}

// A whole field as a number, rounded half to even; nothing when it is not a number.
std::optional<double> number(const std::string& field) {
    const char* begin = field.c_str();
    char* end = nullptr;
    const double v = std::strtod(begin, &end);
    // The whole field must be used: a NUL byte inside it does not end the number early.
    if (end != begin + field.size() || field.empty() || !std::isfinite(v)) return std::nullopt;
    return std::nearbyint(v);
}

// A text for a message, cut to at most `limit` bytes, so a huge line or path stays readable.
QString shortened(const std::string& text, size_t limit) {
    if (text.size() <= limit) return QString::fromStdString(text);
    return QString::fromStdString(text.substr(0, limit)) + QStringLiteral("...");
}

// Takes the slots' values from the fields of a file, in order. A field that is missing gives
// the default, with a note when noteMissing; a bad or out-of-range field always has a note.
template <class Owner, size_t N>
void readSlots(Owner& o, const std::array<IntSlot<Owner>, N>& table,
               const std::vector<std::string>& f, const char* fileName, bool noteMissing,
               QStringList& notes) {
    for (size_t i = 0; i < N; ++i) {
        const IntSlot<Owner>& s = table[i];
        if (i >= f.size()) {
            if (noteMissing)
                notes << QStringLiteral("%1: the %2 is missing; %3 is used.")
                             .arg(QLatin1String(fileName), QLatin1String(s.name))
                             .arg(s.def);
            o.*s.var = s.def;
            continue;
        }
        const auto v = number(f[i]);
        if (!v) {
            notes << QStringLiteral("%1: the %2 \"%3\" is not a number; %4 is used.")
                         .arg(QLatin1String(fileName), QLatin1String(s.name), shortened(f[i], 20),
                              QString::number(s.def));
            o.*s.var = s.def;
        } else if (*v < s.lo || *v > s.hi) {
            const int16_t clamped = *v < s.lo ? s.lo : s.hi;
            notes << QStringLiteral("%1: the %2 %3 is out of range; %4 is used.")
                         .arg(QLatin1String(fileName), QLatin1String(s.name), shortened(f[i], 20),
                              QString::number(clamped));
            o.*s.var = clamped;
        } else {
            o.*s.var = static_cast<int16_t>(*v);
        }
    }
}

template <size_t N>
void readInts(Game& g, const std::array<IntSlot<Game>, N>& table, const QString& path,
              const char* fileName, QStringList& notes) {
    const auto text = readSmallFile(path);
    if (!text) {
        notes << QStringLiteral("%1 could not be read; the shipped settings are used.")
                     .arg(QLatin1String(fileName));
        for (const IntSlot<Game>& s : table)
            g.*s.var = s.def;
        return;
    }
    readSlots(g, table, fields(*text), fileName, true, notes);
}

// A usable bare file name: not empty, no folder part, no control characters.
bool bareName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32) return false;
    return true;
}

// The first two lines of the style settings file (CR LF, lone LF or lone CR end a line).
std::array<std::string, 2> twoLines(const QByteArray& text) {
    std::array<std::string, 2> out;
    size_t line = 0;
    for (qsizetype i = 0; i < text.size() && line < 2; ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++line;
        } else {
            out[line] += c;
        }
    }
    return out;
}

// Loads the saved name, falling back to the shipped file; returns the name now in use.
std::string loadWithFallback(const std::string& saved, const char* fallback, const char* what,
                             const std::function<std::string(const std::string&)>& load,
                             QStringList& notes) {
    if (bareName(saved)) {
        const std::string err = load(saved);
        if (err.empty()) return saved;
        if (saved == fallback) {
            notes << QStringLiteral("The shipped %1 %2 could not be loaded (%3).")
                         .arg(QLatin1String(what), QLatin1String(fallback), shortened(err, 200));
            return fallback;
        }
        notes << QStringLiteral("The %1 %2 could not be loaded (%3); %4 is used.")
                     .arg(QLatin1String(what), shortened(saved, 60), shortened(err, 200),
                          QLatin1String(fallback));
    } else {
        notes << QStringLiteral("option_style.000: the %1 name \"%2\" is not usable; %3 is used.")
                     .arg(QLatin1String(what), shortened(saved, 40), QLatin1String(fallback));
    }
    if (saved != fallback) {
        const std::string err = load(fallback);
        if (!err.empty())
            notes << QStringLiteral("The shipped %1 %2 could not be loaded either (%3).")
                         .arg(QLatin1String(what), QLatin1String(fallback), shortened(err, 200));
    }
    return fallback;
}

QByteArray intLine(int16_t v) {
    QByteArray line = v < 0 ? QByteArray() : QByteArray(" ");
    line += QByteArray::number(v);
    line += " \r\n";
    return line;
}

QString writeOne(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), f.errorString());
    if (f.write(bytes) != bytes.size()) {
        const QString err = f.errorString();
        f.cancelWriting();
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), err);
    }
    if (!f.commit())
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), f.errorString());
    return {};
}

} // namespace

bool isPlainDataFile(const QString& appDir, const std::string& name) {
    return QFileInfo(QDir(appDir).filePath(QStringLiteral("data/") + QString::fromStdString(name)))
        .isFile();
}

std::string loadShapeSet(Game& g, const QString& appDir, const std::string& name) {
    const QString path =
        QDir(appDir).filePath(QStringLiteral("data/") + QString::fromStdString(name));
    if (!isPlainDataFile(appDir, name)) return path.toStdString() + ": not a readable file";
    return loadshapes(g, path.toStdString());
}

QStringList loadfile(Game& g, Settings& s, const StyleLoader& loadStyle, const QString& appDir) {
    QStringList notes;

    readInts(g, kKeySlots, dataPath(appDir, "option_key.000"), "option_key.000", notes);

    s.keyNames = {};
    if (const auto text = readSmallFile(dataPath(appDir, "keycode.000"))) {
        const int skipped = readKeyNames(
            std::string_view(text->constData(), static_cast<size_t>(text->size())), s.keyNames);
        if (skipped > 0)
            notes << QStringLiteral("keycode.000: %1 line(s) without a key code 0-255 skipped.")
                         .arg(skipped);
    } else {
        notes << QStringLiteral("keycode.000 could not be read; the shipped key names are used.");
        for (int code = 0; code < 256; ++code)
            s.keyNames[static_cast<size_t>(code)] = shippedKeyName(code);
    }

    std::array<std::string, 2> names;
    if (const auto text = readSmallFile(dataPath(appDir, "option_style.000"))) {
        names = twoLines(*text);
    } else {
        notes << QStringLiteral(
            "option_style.000 could not be read; the shipped shape set and style are used.");
        names = {kDefaultShapeFile, kDefaultStyleFile};
    }
    const QString dataDir = QDir(appDir).filePath(QStringLiteral("data"));
    auto loadShapes = [&](const std::string& name) { return loadShapeSet(g, appDir, name); };
    s.shapeFile = loadWithFallback(names[0], kDefaultShapeFile, "shape set", loadShapes, notes);
    s.styleFile = loadWithFallback(names[1], kDefaultStyleFile, "style", loadStyle, notes);
    emptyShapeZero(g);

    readInts(g, kGameSlots, dataPath(appDir, "option_game.000"), "option_game.000", notes);
    return notes;
}

QByteArray gameFileText(const Game& g) {
    QByteArray out;
    for (const IntSlot<Game>& s : kGameSlots)
        out += intLine(g.*s.var);
    return out;
}

QByteArray styleFileText(const Settings& s) {
    return QByteArray::fromStdString(s.shapeFile) + "\r\n" +
           QByteArray::fromStdString(s.styleFile) + "\r\n";
}

QByteArray keyFileText(const Game& g) {
    QByteArray out;
    for (const IntSlot<Game>& s : kKeySlots)
        out += intLine(g.*s.var);
    return out;
}

QString writeSettings(const Game& g, const Settings& s, const QString& appDir) {
    QStringList errors;
    const QString dataDir = QDir(appDir).filePath(QStringLiteral("data"));
    if (!QDir().mkpath(dataDir))
        return QStringLiteral("%1: the folder cannot be created")
            .arg(QDir::toNativeSeparators(dataDir));
    const std::array<std::pair<const char*, QByteArray>, 3> files{{
        {"option_game.000", gameFileText(g)},
        {"option_style.000", styleFileText(s)},
        {"option_key.000", keyFileText(g)},
    }};
    for (const auto& [name, bytes] : files) {
        const QString err = writeOne(dataPath(appDir, name), bytes);
        if (!err.isEmpty()) errors << err;
    }
    return errors.join(QLatin1Char('\n'));
}

QStringList readMoreSettings(Settings& s, const QString& settingsDir) {
    QStringList notes;
    const QString path = QDir(settingsDir).filePath(QStringLiteral("option_more.000"));
    // Missing is the ordinary case for a player coming from a version without the file.
    const bool missing = !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
    const auto text = missing ? std::nullopt : readSmallFile(path);
    if (!text) {
        if (!missing)
            notes << QStringLiteral("option_more.000 could not be read; the shipped settings "
                                    "are used.");
        for (const IntSlot<Settings>& slot : kMoreSlots)
            s.*slot.var = slot.def;
        return notes;
    }
    readSlots(s, kMoreSlots, fields(*text), "option_more.000", false, notes);
    return notes;
}

QByteArray moreFileText(const Settings& s) {
    QByteArray out;
    for (const IntSlot<Settings>& slot : kMoreSlots)
        out += intLine(s.*slot.var);
    return out;
}

QString writeMoreSettings(const Settings& s, const QString& settingsDir) {
    if (!QDir().mkpath(settingsDir))
        return QStringLiteral("%1: the folder cannot be created")
            .arg(QDir::toNativeSeparators(settingsDir));
    const QString path = QDir(settingsDir).filePath(QStringLiteral("option_more.000"));
    const QByteArray bytes = moreFileText(s);
    const std::string err =
        writeFileSafely(QFile::encodeName(path).toStdString(),
                        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    return QString::fromStdString(err);
}

} // namespace zembrik
