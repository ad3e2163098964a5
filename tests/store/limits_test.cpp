// SPDX-License-Identifier: GPL-3.0-or-later
// Every field limit of records.000 and of the replay format at its edge: the value just inside
// is read back as it was written, the value just outside is refused.
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <zlib.h>

#include "store/records.h"
#include "store/replay.h"
#include "store/text_file.h"
#include "temp_dir.h"

namespace zembrik {
namespace {

constexpr const char* kGoodLine =
    "2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2 x.kblox\t0 0 10 2 1 1";

// kGoodLine with its field `index` (0 the time, 1-15 the numbers, 16 the name) replaced.
std::string withField(int index, const std::string& value) {
    std::string line = kGoodLine;
    size_t start = 0;
    for (int i = 0; i < index; ++i)
        start = line.find(' ', start) + 1;
    const size_t end = line.find(index == 16 ? '\t' : ' ', start);
    return line.replace(start, end - start, value);
}

TEST(RecordLimits, EachFieldJustInsideAndJustOutside) {
    const std::string max32 = "2147483647", over32 = "2147483648";
    const std::string max18 = "999999999999999999", over18 = "1000000000000000000";
    const struct {
        int field;
        std::string in, out;
    } kLimits[] = {
        {0, "2024-12-31T23:59:60Z", "2024-13-31T23:59:60Z"},
        {0, "2024-01-01T00:00:00Z", "2024-00-01T00:00:00Z"},
        {0, "2024-12-31T23:59:60Z", "2024-12-32T23:59:60Z"},
        {0, "2024-01-01T00:00:00Z", "2024-01-00T00:00:00Z"},
        {0, "2024-12-31T23:59:60Z", "2024-12-31T24:59:60Z"},
        {0, "2024-12-31T23:59:60Z", "2024-12-31T23:60:60Z"},
        {0, "2024-12-31T23:59:60Z", "2024-12-31T23:59:61Z"},
        {1, "20", "21"},
        {2, "20", "21"},
        {3, max18, over18},
        {4, max32, over32},
        {5, max32, over32},
        {6, max18, over18},
        {7, max32, over32},
        {8, max32, over32},
        {9, max32, over32},
        {10, max32, over32},
        {11, "1", "2"},
        {12, "2", "3"},
        {13, "1", "2"},
        {14, "1", "2"},
        {15, "2", "3"},
        {16, " ~\x7f", "\x1f"},
    };
    for (const auto& limit : kLimits) {
        SCOPED_TRACE(limit.in + " / " + limit.out);
        const auto in = parseRecordLine(withField(limit.field, limit.in));
        ASSERT_TRUE(in);
        EXPECT_EQ(recordLine(*in), withField(limit.field, limit.in)); // read back unchanged
        EXPECT_FALSE(parseRecordLine(withField(limit.field, limit.out)));
    }
}

class RecordsEdges : public test::TempDirTest {};

TEST_F(RecordsEdges, AnEmptyFileIsReadAndWrittenTo) {
    const std::string path = dir_ + "/records.000";
    std::ofstream(path, std::ios::binary).flush();
    const RecordsFile empty = readRecords(path);
    EXPECT_EQ(empty.error, "");
    EXPECT_TRUE(empty.lines.empty());
    const auto r = parseRecordLine(kGoodLine);
    ASSERT_TRUE(r);
    const RecordsOutcome added = addRecord(path, *r, 6001);
    EXPECT_EQ(added.error, "");
    EXPECT_TRUE(added.game.newBest);
    EXPECT_EQ(read(path), std::string(kGoodLine) + "\r\n");
}

// A line longer than any record is left out as damage, whatever its size; of the other lines
// the newest 4 MiB are kept.
TEST_F(RecordsEdges, TheNewestFourMegabytesAreKeptAndOverlongLinesLeftOut) {
    const std::string path = dir_ + "/records.000";
    const size_t kRead = size_t{4} << 20;
    for (const size_t size : {kRead, kRead + 1}) {
        std::ofstream(path, std::ios::binary) << "first\r\n"
                                              << std::string(size - 9, 'y') << "\r\n";
        const RecordsFile file = readRecords(path);
        ASSERT_EQ(file.error, "");
        EXPECT_EQ(file.lines, std::vector<std::string>{"first"}) << size;
        EXPECT_EQ(file.damaged, 1) << size;
    }
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 1100; ++i)
        out << std::to_string(i) << std::string(3996, 'z') << "\r\n";
    out.close();
    const RecordsFile file = readRecords(path);
    EXPECT_EQ(file.damaged, 0);
    ASSERT_FALSE(file.lines.empty());
    EXPECT_LE(file.lines.size() * 4000, kRead);
    EXPECT_GT((file.lines.size() + 1) * 4002, kRead);
    EXPECT_EQ(file.lines.back().substr(0, 4), "1099");
}

// The replay body with `from` replaced by `to` once (both as the body's bytes): for values
// the record's types cannot hold.
std::string patchedBody(const std::string& file, const std::string& from, const std::string& to) {
    uLong length = 0;
    for (int i = 0; i < 4; ++i)
        length |= static_cast<uLong>(static_cast<uint8_t>(file[static_cast<size_t>(6 + i)]))
                  << (8 * i);
    std::string body(length, '\0');
    uLongf size = length;
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(body.data()), &size,
                         reinterpret_cast<const Bytef*>(file.data() + 10), file.size() - 10),
              Z_OK);
    const size_t at = body.rfind(from);
    EXPECT_NE(at, std::string::npos);
    if (at == std::string::npos) return file;
    body.replace(at, from.size(), to);
    std::string packed(compressBound(body.size()), '\0');
    size = packed.size();
    compress(reinterpret_cast<Bytef*>(packed.data()), &size,
             reinterpret_cast<const Bytef*>(body.data()), body.size());
    packed.resize(size);
    std::string out = file.substr(0, 6);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((body.size() >> (8 * i)) & 0xFF);
    return out + packed;
}

// A replay of one step, with one value changed.
struct Edge {
    const char* what;
    std::function<void(Replay&, int64_t)> set;
    int64_t in, out;
};

TEST(ReplayLimits, EachFieldJustInsideAndJustOutside) {
    const auto calls = [](Replay& r, ReplayEntry::Kind kind) -> ReplayEntry& {
        r.entries.front().kind = kind;
        return r.entries.front();
    };
    const auto i16 = [](int64_t v) { return static_cast<int16_t>(v); };
    const Edge kEdges[] = {
        {"start level", [&](Replay& r, int64_t v) { r.start.options.startLevel = i16(v); }, 20, 21},
        {"hold option", [&](Replay& r, int64_t v) { r.start.options.holdOpt = i16(v); }, 1, 2},
        {"clear option", [&](Replay& r, int64_t v) { r.start.options.quaOpt = i16(v); }, 2, 3},
        {"climb option", [&](Replay& r, int64_t v) { r.start.options.clbOpt = i16(v); }, 2, 3},
        {"climb limit", [&](Replay& r, int64_t v) { r.start.climbLimit = i16(v); }, 3, 4},
        {"climb limit", [&](Replay& r, int64_t v) { r.start.climbLimit = i16(v); }, 1, 2},
        {"ghost option", [&](Replay& r, int64_t v) { r.start.options.ghostOpt = i16(v); }, 1, 2},
        {"next option", [&](Replay& r, int64_t v) { r.start.options.nextOpt = i16(v); }, 1, 2},
        {"debug option", [&](Replay& r, int64_t v) { r.start.debugOpt = i16(v); }, 1, 2},
        {"key code", [&](Replay& r, int64_t v) { r.start.keys[8] = i16(v); }, 255, 256},
        {"next piece",
         [&](Replay& r, int64_t v) {
             r.start.nextBlox = {1, 1, i16(v)};
         },
         7, 8},
        {"hold used", [&](Replay& r, int64_t v) { r.start.holdUsed = i16(v); }, 1, 2},
        {"shape set name",
         [&](Replay& r, int64_t v) {
             r.start.options.shapeFile.assign(static_cast<size_t>(v), 'n');
         },
         255, 256},
        {"call count",
         [&](Replay& r, int64_t v) {
             calls(r, ReplayEntry::Kind::Calls).count = static_cast<int32_t>(v);
             r.final.step = v;
         },
         1, 0},
        {"due steps",
         [&](Replay& r, int64_t v) {
             calls(r, ReplayEntry::Kind::Call).count = static_cast<int32_t>(v);
             r.final.step = v;
         },
         32767, 32768},
        {"due steps",
         [&](Replay& r, int64_t v) {
             calls(r, ReplayEntry::Kind::Call).count = static_cast<int32_t>(v);
             r.final.step = v;
         },
         1, 0},
        {"key code",
         [&](Replay& r, int64_t v) {
             calls(r,
                   ReplayEntry::Kind::KeyUp) = {ReplayEntry::Kind::KeyUp, 1, 0, 0, 0, i16(v), {}};
         },
         255, 256},
        {"level", [&](Replay& r, int64_t v) { r.final.level = i16(v); }, 20, 21},
        {"end", [&](Replay& r, int64_t v) { r.end = static_cast<GameEnd>(v); }, 3, 4},
    };
    Replay base;
    base.entries.resize(1); // one call of one step
    base.entries.front().count = 1;
    base.entries.front().step = 1;
    base.final.step = 1;
    for (const Edge& e : kEdges) {
        SCOPED_TRACE(::testing::Message() << e.what << " " << e.in << " / " << e.out);
        Replay in = base, out = base;
        e.set(in, e.in);
        e.set(out, e.out);
        if (in.entries.front().kind != ReplayEntry::Kind::Calls &&
            in.entries.front().kind != ReplayEntry::Kind::Call)
            in.final.step = out.final.step = 0;
        const ReplayRead read = decodeReplay(encodeReplay(in));
        EXPECT_EQ(read.error, "");
        EXPECT_TRUE(read.replay == in);
        const std::string why = decodeReplay(encodeReplay(out)).error;
        EXPECT_EQ(why.rfind(std::string("is corrupt (") + e.what + " is ", 0), 0u) << why;
    }

    // Values the record's types cannot hold, written into the body: 32767 lines as LEB128
    // (ff ff 01) becomes 32768 (80 80 02); the largest shape number 32767 (zigzag fe ff 03)
    // becomes 32768 (80 80 04).
    Replay lines = base;
    lines.final.lines = 32767;
    const std::string linesFile = encodeReplay(lines);
    EXPECT_EQ(decodeReplay(linesFile).error, "");
    EXPECT_EQ(decodeReplay(patchedBody(linesFile, "\xff\xff\x01", "\x80\x80\x02")).error,
              "is corrupt (lines is out of range)");
    Replay start = base;
    start.start.lines = 32767;
    const std::string startFile = encodeReplay(start);
    EXPECT_EQ(decodeReplay(startFile).error, "");
    EXPECT_EQ(decodeReplay(patchedBody(startFile, "\xff\xff\x01", "\x80\x80\x02")).error,
              "is corrupt (start lines is out of range)");
    Replay shape = base;
    shape.start.shapes.back() = 32767;
    const std::string shapeFile = encodeReplay(shape);
    EXPECT_EQ(decodeReplay(shapeFile).error, "");
    EXPECT_EQ(decodeReplay(patchedBody(shapeFile, "\xfe\xff\x03", "\x80\x80\x04")).error,
              "is corrupt (shape number is out of range)");

    // The header's body length: 16 MiB is read (and found short), one byte more is refused.
    std::string header = encodeReplay(base);
    for (const size_t length : {size_t{16} << 20, (size_t{16} << 20) + 1}) {
        for (int i = 0; i < 4; ++i)
            header[static_cast<size_t>(6 + i)] = static_cast<char>((length >> (8 * i)) & 0xFF);
        EXPECT_EQ(decodeReplay(header).error.find("header gives a body of") != std::string::npos,
                  length > size_t{16} << 20);
    }
}

// A file without a byte-order mark is taken for UTF-16 by its first 64 bytes only.
TEST(TextLimits, Utf16IsJudgedByTheFirst64Bytes) {
    std::string text;
    for (int i = 0; i < 32; ++i)
        text += std::string{'a', '\0'};
    EXPECT_TRUE(isUtf16(text + std::string{'\0', '\1'})); // byte 64 breaks the pattern
    EXPECT_FALSE(isUtf16(text.substr(0, 62) + std::string{'\0', 'a'}));
}

} // namespace
} // namespace zembrik
