// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the settings files: tolerant reading with defaults, atomic writing.
#include "app/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

#include "app/key_names.h"
#include "app/settings_slots.h"
#include "engine/keys.h"
#include "pieces/shape_file.h"
#include "store/safe_file.h"
#include "store/text_file.h"

namespace zembrik {

namespace {

// The context of the notes' texts in the translations.
struct Notes {
    Q_DECLARE_TR_FUNCTIONS(zembrik::SettingsNotes)
};

// Without a settings folder (no home folder) nothing is written: never a relative path.
QString noSettingsFolder() {
    return Notes::tr("the settings are not kept: there is no home folder (HOME is not set)");
}

constexpr qint64 kMaxFileBytes = 1 << 20; // settings files are a few dozen bytes

// What reading a settings file gave: its text, or why there is none.
struct FileText {
    std::optional<QByteArray> text; // without a leading UTF-8 byte-order mark
    QString problem;                // for the note when there is no text
    bool keep = false;              // it holds something the game must not replace unasked
    QString keptNote;               // what shut-down will do with it, for the note
};

// The whole file, or why not: only a plain file (or a link to one) of a plausible size is read,
// the same view the writer takes. Opening a named pipe would wait for a writer forever.
FileText readSmallFile(const std::string& path) {
    FileText out;
    const PathKind kind = pathKind(path);
    if (kind == PathKind::Missing || kind == PathKind::Other) {
        out.problem = QString::fromStdString("it " + describePath(path));
        out.keep = kind == PathKind::Other;
        out.keptNote = Notes::tr(" Nothing is written to it.");
        return out;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<size_t>(kMaxFileBytes) + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (!in.eof() || in.bad()) {
        out.problem = bytes.size() > static_cast<size_t>(kMaxFileBytes)
                          ? Notes::tr("it is larger than 1 MB")
                          : Notes::tr("it cannot be read");
        return out;
    }
    if (isUtf16(bytes)) {
        out.problem = Notes::tr("it is UTF-16 text, not plain text");
        out.keep = true;
        out.keptNote = Notes::tr(" It is left as it is unless a setting it holds is changed.");
        return out;
    }
    const std::string_view text = withoutByteOrderMark(bytes);
    out.text = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    return out;
}

// The end of the note for an unread file that shut-down will leave alone.
QString keptNote(const FileText& f) {
    return f.keep ? f.keptNote : QString();
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
                notes << Notes::tr("%1: the %2 is missing; %3 is used.")
                             .arg(QLatin1String(fileName), Notes::tr(s.name))
                             .arg(s.def);
            s.put(o, s.def);
            continue;
        }
        const auto v = number(f[i]);
        if (!v) {
            notes << Notes::tr("%1: the %2 \"%3\" is not a number; %4 is used.")
                         .arg(QLatin1String(fileName), Notes::tr(s.name), shortened(f[i], 20),
                              QString::number(s.def));
            s.put(o, s.def);
        } else if (*v < s.lo || *v > s.hi) {
            const int16_t clamped = !s.clamp ? s.def : *v < s.lo ? s.lo : s.hi;
            notes << Notes::tr("%1: the %2 %3 is out of range; %4 is used.")
                         .arg(QLatin1String(fileName), Notes::tr(s.name), shortened(f[i], 20),
                              QString::number(clamped));
            s.put(o, clamped);
        } else {
            s.put(o, static_cast<int16_t>(*v));
        }
    }
}

// Reads one file of integers; returns true when shut-down must leave the file alone.
template <class Owner, size_t N>
bool readInts(Owner& o, const std::array<IntSlot<Owner>, N>& table, const Places& places,
              const char* fileName, QStringList& notes) {
    const FileText file = readSmallFile(places.settingsPath(fileName));
    if (!file.text) {
        notes << Notes::tr("%1 could not be read (%2); the shipped settings are used.%3")
                     .arg(QLatin1String(fileName), file.problem, keptNote(file));
        for (const IntSlot<Owner>& s : table)
            s.put(o, s.def);
        return file.keep;
    }
    readSlots(o, table, fields(*file.text), fileName, true, notes);
    return false;
}

// The text of a file of integers (" 5 " or "-1 ", CR LF line ends).
template <class Owner, size_t N>
QByteArray intsText(const Owner& o, const std::array<IntSlot<Owner>, N>& table) {
    QByteArray out;
    for (const IntSlot<Owner>& s : table) {
        const int16_t v = s.get(o);
        out += (v < 0 ? QByteArray() : QByteArray(" ")) + QByteArray::number(v) + " \r\n";
    }
    return out;
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
            notes << QCoreApplication::translate("zembrik::SettingsNotes",
                                                 "The shipped %1 %2 could not be loaded (%3).")
                         .arg(Notes::tr(what), QLatin1String(fallback), shortened(err, 200));
            return fallback;
        }
        notes << QCoreApplication::translate("zembrik::SettingsNotes",
                                             "The %1 %2 could not be loaded (%3); %4 is used.")
                     .arg(Notes::tr(what), shortened(saved, 60), shortened(err, 200),
                          QLatin1String(fallback));
    } else {
        notes << QCoreApplication::translate(
                     "zembrik::SettingsNotes",
                     "option_style.000: the %1 name \"%2\" is not usable; %3 is used.")
                     .arg(Notes::tr(what), shortened(saved, 40), QLatin1String(fallback));
    }
    if (saved != fallback) {
        const std::string err = load(fallback);
        if (!err.empty())
            notes << QCoreApplication::translate(
                         "zembrik::SettingsNotes",
                         "The shipped %1 %2 could not be loaded either (%3).")
                         .arg(Notes::tr(what), QLatin1String(fallback), shortened(err, 200));
    }
    return fallback;
}

// The settings files shut-down writes, in the order it writes them, with their text.
std::array<std::pair<const char*, QByteArray>, 3> settingsFiles(const Game& g, const Settings& s) {
    return {{
        {"option_game.000", gameFileText(g, s)},
        {"option_style.000", styleFileText(s)},
        {"option_key.000", keyFileText(g)},
    }};
}

// Writes one settings file safely, unless it could not be read at start-up and still holds
// what was read then: such a file stays as it is while the player has changed nothing in it.
QString writeSettingsFile(const QString& settingsDir, const char* name, const QByteArray& bytes,
                          const Settings& s) {
    const auto kept = s.keepUnlessChanged.find(name);
    if (kept != s.keepUnlessChanged.end() && kept->second == bytes.toStdString()) return {};
    const QByteArray path = QFile::encodeName(QDir(settingsDir).filePath(QLatin1String(name)));
    return QString::fromStdString(
        writeFileSafely(path.toStdString(),
                        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))));
}

} // namespace

bool isPlainDataFile(const Places& places, const std::string& name) {
    return isReadableFile(places.dataPath(name));
}

std::string loadShapeSet(Game& g, const Places& places, const std::string& name) {
    const std::string path = places.dataPath(name);
    if (!isReadableFile(path)) return path + ": not read, because it " + describePath(path);
    return loadshapes(g, path);
}

int16_t readSoundSetting(const Places& places) {
    GameLines lines;
    QStringList notes; // loadfile reports them
    readInts(lines, kGameSlots, places, "option_game.000", notes);
    return lines.muteOpt;
}

int16_t readLanguageSetting(const Places& places) {
    Settings s;
    readMoreSettings(s, places.settings);
    return s.languageLine;
}

QStringList loadfile(Game& g, Settings& s, const StyleLoader& loadStyle, const Places& places) {
    QStringList notes;
    std::vector<std::string> kept;
    // A program ended between writing a settings file and renaming it leaves its temporary
    // file: gone at the next start.
    if (!places.settings.isEmpty())
        removeStaleTemporaries(
            QFile::encodeName(places.settings).toStdString(), [](std::string_view name) {
                return name == "option_more.000" ||
                       std::find(std::begin(kSettingsFiles), std::end(kSettingsFiles), name) !=
                           std::end(kSettingsFiles);
            });

    if (readInts(g, kKeySlots, places, "option_key.000", notes)) kept.push_back("option_key.000");

    s.keyNames = {};
    // The key names are shipped only: the player has no copy of their own.
    const FileText keyNames = readSmallFile(
        QFile::encodeName(QDir(places.shipped).filePath(QStringLiteral("data/keycode.000")))
            .toStdString());
    if (keyNames.text) {
        const QByteArray& text = *keyNames.text;
        const int skipped = readKeyNames(
            std::string_view(text.constData(), static_cast<size_t>(text.size())), s.keyNames);
        if (skipped > 0)
            notes << Notes::tr("keycode.000: %1 line(s) without a key code 0-255 skipped.")
                         .arg(skipped);
    } else {
        notes << Notes::tr("keycode.000 could not be read (%1); the shipped key names are used.")
                     .arg(keyNames.problem);
        for (int code = 0; code < 256; ++code)
            s.keyNames[static_cast<size_t>(code)] = shippedKeyName(code);
    }

    std::array<std::string, 2> names;
    const FileText style = readSmallFile(places.settingsPath("option_style.000"));
    if (style.text) {
        names = twoLines(*style.text);
    } else {
        notes << Notes::tr("option_style.000 could not be read (%1); the shipped shape set "
                           "and style are used.%2")
                     .arg(style.problem, keptNote(style));
        names = {kDefaultShapeFile, kDefaultStyleFile};
        if (style.keep) kept.push_back("option_style.000");
    }
    auto loadShapes = [&](const std::string& name) { return loadShapeSet(g, places, name); };
    s.options.shapeFile = loadWithFallback(names[0], kDefaultShapeFile,
                                           QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "shape set"),
                                           loadShapes, notes);
    s.styleFile =
        loadWithFallback(names[1], kDefaultStyleFile,
                         QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "style"), loadStyle, notes);
    emptyShapeZero(g);

    // The mode and handling (option_more.000) stay as they are.
    GameLines lines{s.options, g.muteOpt};
    if (readInts(lines, kGameSlots, places, "option_game.000", notes))
        kept.push_back("option_game.000");
    s.options = lines.options;
    g.muteOpt = lines.muteOpt;

    for (const auto& [name, bytes] : settingsFiles(g, s)) {
        if (std::find(kept.begin(), kept.end(), name) != kept.end())
            s.keepUnlessChanged[name] = bytes.toStdString();
        else
            s.keepUnlessChanged.erase(name);
    }
    return notes;
}

QStringList loadfile(Game& g, Settings& s, const StyleLoader& loadStyle, const QString& appDir) {
    return loadfile(g, s, loadStyle, portablePlaces(appDir));
}

QByteArray gameFileText(const Game& g, const Settings& s) {
    return intsText(GameLines{s.options, g.muteOpt}, kGameSlots);
}

QByteArray styleFileText(const Settings& s) {
    return QByteArray::fromStdString(s.options.shapeFile) + "\r\n" +
           QByteArray::fromStdString(s.styleFile) + "\r\n";
}

QByteArray keyFileText(const Game& g) {
    return intsText(g, kKeySlots);
}

QString writeSettings(const Game& g, const Settings& s, const Places& places) {
    QStringList errors;
    if (places.settings.isEmpty()) return noSettingsFolder();
    if (const QString err = makePlayerFolder(places.settings); !err.isEmpty()) return err;
    for (const auto& [name, bytes] : settingsFiles(g, s))
        if (const QString err = writeSettingsFile(places.settings, name, bytes, s); !err.isEmpty())
            errors << err;
    return errors.join(QLatin1Char('\n'));
}

QString writeSettings(const Game& g, const Settings& s, const QString& appDir) {
    return writeSettings(g, s, portablePlaces(appDir));
}

QStringList readMoreSettings(Settings& s, const QString& settingsDir) {
    QStringList notes;
    const std::string path =
        QFile::encodeName(QDir(settingsDir).filePath(QStringLiteral("option_more.000")))
            .toStdString();
    s.keepUnlessChanged.erase("option_more.000");
    // Missing is the ordinary case for a player coming from a version without the file.
    const bool missing = pathKind(path) == PathKind::Missing;
    const FileText file = missing ? FileText{} : readSmallFile(path);
    if (!file.text) {
        if (!missing)
            notes << Notes::tr("option_more.000 could not be read (%1); the shipped "
                               "settings are used.%2")
                         .arg(file.problem, keptNote(file));
        for (const IntSlot<Settings>& slot : kMoreSlots)
            slot.put(s, slot.def);
        if (file.keep) s.keepUnlessChanged["option_more.000"] = moreFileText(s).toStdString();
        return notes;
    }
    readSlots(s, kMoreSlots, fields(*file.text), "option_more.000", false, notes);
    return notes;
}

QByteArray moreFileText(const Settings& s) {
    return intsText(s, kMoreSlots);
}

QString writeMoreSettings(const Settings& s, const QString& settingsDir) {
    if (settingsDir.isEmpty()) return noSettingsFolder();
    if (const QString err = makePlayerFolder(settingsDir); !err.isEmpty()) return err;
    return writeSettingsFile(settingsDir, "option_more.000", moreFileText(s), s);
}

QString settingsWriteProblem(const Places& places) {
    QStringList names;
    for (const char* name : kSettingsFiles)
        names << QLatin1String(name);
    names << QStringLiteral("option_more.000");
    return writeProblem(places.settings, names);
}

} // namespace zembrik
