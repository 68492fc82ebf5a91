#include "core/lines/TextLineList.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

using namespace vantor;
using vantor::test::readFile;
using vantor::test::TempDir;
using vantor::test::writeFile;

using Lines = std::vector<std::string>;

namespace {

Lines readLines(const std::string& path) {
    TextLineList list;
    ReadLineList(path, list);
    return list.lines();
}

} // namespace

TEST(TextLineList, AddKeepsTheFirstEntryFirstAndQueuesNewOnesBehindIt) {
    TextLineList list;
    EXPECT_TRUE(list.add("L1"));
    EXPECT_TRUE(list.add("L2"));
    EXPECT_TRUE(list.add("L3"));
    EXPECT_TRUE(list.add("L4"));
    EXPECT_FALSE(list.add("L2"));
    EXPECT_EQ(list.lines(), (Lines{"L1", "L4", "L3", "L2"}));
}

TEST(TextLineList, AppendRemoveAndContainsCompareBytes) {
    TextLineList list;
    list.append("a");
    list.append("A");
    list.append("a"); // append alone does not check for repeats
    EXPECT_EQ(list.size(), 3u);
    EXPECT_TRUE(list.contains("A"));
    EXPECT_FALSE(list.contains("b"));
    EXPECT_TRUE(list.remove("a"));
    EXPECT_EQ(list.lines(), (Lines{"A", "a"}));
    EXPECT_TRUE(list.contains("a"));
    EXPECT_TRUE(list.remove("a"));
    EXPECT_FALSE(list.contains("a"));
    EXPECT_FALSE(list.remove("a"));
    list.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(list.contains("A"));
}

TEST(TextLineList, CopiesKeepTheirOwnLookups) {
    TextLineList original;
    original.add("x");
    original.add("y");
    TextLineList copy = original;
    original.clear();
    EXPECT_TRUE(copy.contains("y"));
    EXPECT_FALSE(copy.add("x"));
    TextLineList assigned;
    assigned = copy;
    copy.remove("x");
    EXPECT_TRUE(assigned.contains("x"));
}

TEST(ReadLineList, SkipsEmptyAndRepeatedLinesAndReversesTheTail) {
    TempDir dir;
    writeFile(dir.file("a.txt"), "one\r\n\r\ntwo\r\none\r\nthree");
    EXPECT_EQ(readLines(dir.file("a.txt")), (Lines{"one", "three", "two"}));

    TextLineList list;
    list.add("X");
    list.add("Y");
    writeFile(dir.file("b.txt"), "L1\nL2\n");
    ReadLineList(dir.file("b.txt"), list);
    EXPECT_EQ(list.lines(), (Lines{"X", "L2", "L1", "Y"}));
}

TEST(ReadLineList, LineEndsAndEndOfFileMarker) {
    TempDir dir;
    writeFile(dir.file("crlf"), "\r\n\r\n");
    EXPECT_TRUE(readLines(dir.file("crlf")).empty());

    writeFile(dir.file("lf"), "a\nb\nc\n");
    writeFile(dir.file("dos"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(readLines(dir.file("lf")), readLines(dir.file("dos")));

    writeFile(dir.file("cr"), "a\rb\r\n");
    EXPECT_EQ(readLines(dir.file("cr")), (Lines{"a\rb"}));

    // The reading says where it stopped, unless nothing but line ends follow.
    using Kind = ReadingLoss::Kind;
    writeFile(dir.file("eof"), "a\r\nb\x1A\r\nc\r\n");
    TextLineList list;
    EXPECT_EQ(ReadLineList(dir.file("eof"), list), (ReadingLoss{Kind::StoppedAtEndByte, 2}));
    EXPECT_EQ(list.lines(), (Lines{"a", "b"}));
    EXPECT_FALSE(FindReadingLoss("a\r\n\x1A\r\n\x1A"));
    EXPECT_FALSE(ReadLineList(dir.file("dos"), list));
}

TEST(ReadLineList, AListReadWhileEmptyStaysEditableThroughCompaction) {
    // Such a list keeps the file's own buffer, repeats and line ends included.
    TempDir dir;
    std::string text = "k0\nk1\r\nk0\n";
    for (int i = 2; i < 100; ++i)
        text += "k" + std::to_string(i) + (i % 3 ? "\n" : "\r\nk1\n");
    writeFile(dir.file("f"), text + "k50\n");
    TextLineList list;
    ReadLineList(dir.file("f"), list);
    Lines model{"k0"};
    for (int i = 99; i >= 1; --i)
        model.push_back("k" + std::to_string(i));
    EXPECT_EQ(list.lines(), model);

    for (int i = 1; i <= 60; ++i)
        EXPECT_TRUE(list.remove("k" + std::to_string(i)));
    model.resize(model.size() - 60);
    EXPECT_FALSE(list.contains("k7"));
    EXPECT_FALSE(list.add("k80"));
    EXPECT_TRUE(list.add("k7"));
    list.append("k0");
    model.insert(model.begin() + 1, "k7");
    model.push_back("k0");
    EXPECT_EQ(list.lines(), model);
    EXPECT_TRUE(list.remove("k0"));
    EXPECT_TRUE(list.contains("k0"));
}

TEST(ReadLineList, LongLinesArriveInPiecesOf511) {
    TempDir dir;
    const std::string exact(511, 'x');
    writeFile(dir.file("511"), exact + "\r\n");
    EXPECT_EQ(readLines(dir.file("511")), (Lines{exact}));

    writeFile(dir.file("512"), std::string(511, 'y') + "z\r\n");
    EXPECT_EQ(readLines(dir.file("512")), (Lines{std::string(511, 'y'), "z"}));

    // The reading says which line it split; the first is reported.
    using Kind = ReadingLoss::Kind;
    EXPECT_FALSE(FindReadingLoss("a\n" + exact + "\r\n" + exact));
    EXPECT_EQ(FindReadingLoss("a\n" + exact + "\rb\n\x1A" + exact + "x"),
              (ReadingLoss{Kind::SplitLongLine, 2}));
    EXPECT_EQ(FindReadingLoss("a\n\x1A" + exact + "x"), (ReadingLoss{Kind::StoppedAtEndByte, 2}));
}

TEST(ReadLineList, MissingFilesAreSilentButFoldersRaise) {
    TempDir dir;
    TextLineList list;
    list.add("kept");
    ReadLineList(dir.file("missing"), list);
    ReadLineList("", list);
    EXPECT_EQ(list.lines(), (Lines{"kept"}));
    try {
        ReadLineList(dir.path(), list);
        FAIL() << "a folder read as a file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.fileName(), dir.path());
    }
}

TEST(WriteLineList, EveryLineEndsInCrLf) {
    TempDir dir;
    TextLineList list;
    for (const char* line : {"one", "three", "two"})
        list.append(line);
    WriteLineList(list, dir.file("out"));
    EXPECT_EQ(readFile(dir.file("out")), "one\r\nthree\r\ntwo\r\n");

    WriteLineList(TextLineList{}, dir.file("out"));
    EXPECT_EQ(readFile(dir.file("out")), "");
}

TEST(WriteLineList, ReadingAndWritingBackKeepsTheFirstLineAndReversesTheRest) {
    TempDir dir;
    writeFile(dir.file("f"), "one\n\ntwo\none\nthree");
    TextLineList list;
    ReadLineList(dir.file("f"), list);
    WriteLineList(list, dir.file("f"));
    EXPECT_EQ(readFile(dir.file("f")), "one\r\nthree\r\ntwo\r\n");
}

TEST(TextLineList, RemovingOneOfSeveralEqualEntriesKeepsTheOthersFindable) {
    // Whichever copy the lookup table refers to, removing copies one by one
    // must leave every remaining copy found and the last removal forget it.
    for (int order = 0; order < 2; ++order) {
        TextLineList list;
        list.append("first");
        list.append("dup");
        if (order == 0)
            list.append(std::string("dup"));
        else
            list.add("other");
        list.append("dup");
        EXPECT_TRUE(list.remove("dup"));
        EXPECT_TRUE(list.contains("dup"));
        EXPECT_FALSE(list.add("dup"));
        EXPECT_TRUE(list.remove("dup"));
        if (order == 0) {
            EXPECT_TRUE(list.contains("dup"));
            EXPECT_TRUE(list.remove("dup"));
        }
        EXPECT_FALSE(list.contains("dup"));
        EXPECT_TRUE(list.add("dup"));
    }
}

TEST(TextLineList, MatchesAPlainVectorThroughRepeatsRemovalsAndCompaction) {
    // Operands are sometimes views of the list's own entries, whose bytes
    // may move while the list grows or compacts.
    std::mt19937 random(7);
    TextLineList list;
    Lines model;
    for (int step = 0; step < 4000; ++step) {
        std::string line = "line" + std::to_string(random() % 40);
        const auto own = std::next(list.begin(), list.empty() ? 0 : random() % list.size());
        const std::string_view operand = list.empty() || random() % 4 ? line : *own;
        const auto held = std::find(model.begin(), model.end(), operand);
        const std::string copy(operand);
        switch (random() % 3) {
        case 0:
            EXPECT_EQ(list.add(operand), held == model.end());
            if (held == model.end())
                model.insert(model.empty() ? model.end() : model.begin() + 1, copy);
            break;
        case 1:
            list.append(operand);
            model.push_back(copy);
            break;
        default:
            EXPECT_EQ(list.remove(operand), held != model.end());
            if (held != model.end())
                model.erase(held);
        }
        ASSERT_EQ(list.lines(), model) << "step " << step;
        ASSERT_EQ(list.contains(copy), std::count(model.begin(), model.end(), copy) > 0);
    }
    TextLineList moved = std::move(list);
    EXPECT_EQ(moved.lines(), model);
    EXPECT_TRUE(list.empty()); // NOLINT(bugprone-use-after-move): a moved-from list is empty
}
