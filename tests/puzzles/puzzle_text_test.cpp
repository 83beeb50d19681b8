// The .non, .nonpack and webpbn XML readers against small files written in
// the formats' documented shapes: what is read, and which line is named when
// a puzzle cannot be taken.
#include <gtest/gtest.h>

#include <string>

#include "picture/puzzle_text.h"

namespace mosarin::testing {
namespace {

// The format's own example puzzle, 5 x 10, with its goal.
const std::string kDemoKeys =
    "catalogue \"webpbn.com #1\"\n"
    "title \"Demo &amp; Front Page\"\n"
    "by \"Jan Wolter\"\n"
    "copyright \"&copy; Copyright 2004 by Jan Wolter\"\n"
    "license CC-BY-3.0\n"
    "width 5\n"
    "height 10\n";
const std::string kDemoRows = "rows\n2\n2,1\n1,1\n3\n1,1\n1,1\n2\n1,1\n1,2\n2\n";
const std::string kDemoColumns = "columns\n2,1\n2,1,3\n7\n1,3\n2,1\n";
const std::string kDemoGoal = "goal \"01100011010010101110101001010000110010100101111000\"\n";

std::string crlf(std::string text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

struct NonCase {
    const char* name;
    std::string text;
    size_t puzzles;
    std::string problem;   // of the last puzzle; empty when readable
    int filledGoalCells;   // -1: no goal expected
};

TEST(NonText, ReadsKeysInAnyOrderAndNamesTheLineThatIsWrong) {
    const NonCase cases[] = {
        {"documented order", kDemoKeys + "\n" + kDemoRows + "\n" + kDemoColumns + "\n" + kDemoGoal, 1, "", 23},
        {"goal first, blank lines, CR LF, unknown keys",
         crlf("\n\nwidth 5\nheight 10\nfrobnicate 12\n" + kDemoGoal + "\n\n" + kDemoColumns + "\n\n" + kDemoRows +
              "title \"t\"\n"),
         1, "", 23},
        {"clue-only, 0 and blank lines as empty clues", "width 3\nheight 2\nrows\n0\n\ncolumns\n0\n0\n0\n", 1, "", -1},
        {"rows before height", "width 5\nrows\n1\n", 1, "line 2: rows before the height", -1},
        {"a clue line that is not one", "width 2\nheight 2\nrows\n1\n1,two\ncolumns\n1\n1\n", 1, "line 5: not a row clue", -1},
        {"too few clue lines", "width 2\nheight 3\nrows\n1\n1\n", 1, "line 3: only 2 of 3 row clues", -1},
        {"goal of the wrong length", "width 2\nheight 2\ngoal \"010\"\nrows\n1\n1\ncolumns\n1\n1\n", 1,
         "line 3: the goal has 3 cells, not 2 x 2", -1},
        {"larger than 40 x 30", "width 41\nheight 30\n", 1, "larger than 40 x 30", -1},
        {"two colours in the clues", "width 2\nheight 1\nrows\n1a,1b\ncolumns\n1a\n1b\n", 1, "more than one colour", -1},
        {"two colours declared", "color a #ff0000\ncolor b #00ff00\nwidth 1\nheight 1\nrows\n1a\ncolumns\n1a\n", 1,
         "more than one colour", -1},
        {"a width that is no number", "width five\nheight 1\nrows\n\ncolumns\n\n", 1, "line 1: width is not a size", -1},
        {"missing columns", "width 1\nheight 1\nrows\n1\n", 1, "the puzzle has no columns", -1},
        {"bundle: divider lines, a bad puzzle named by its file line",
         "width 1\nheight 1\nrows\n1\ncolumns\n1\n====\n\n====\nwidth 1\nheight 1\nrows\nseven\ncolumns\n1\n====\n", 2,
         "line 13: not a row clue", -1},
        {"nothing at all", "\n\n", 0, "", -1},
    };
    for (const NonCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<PuzzleText> puzzles = readNonText(c.text);
        ASSERT_EQ(puzzles.size(), c.puzzles);
        if (puzzles.empty()) continue;
        EXPECT_EQ(puzzles.back().problem, c.problem);
        if (c.filledGoalCells >= 0) {
            int filled = 0;
            for (auto cell : puzzles.back().goal) filled += cell;
            EXPECT_EQ(filled, c.filledGoalCells);
        }
    }
}

TEST(NonText, KeepsTheTextsAndCluesOfTheExample) {
    const std::vector<PuzzleText> puzzles = readNonText(kDemoKeys + kDemoColumns + kDemoRows + kDemoGoal);
    ASSERT_EQ(puzzles.size(), 1u);
    const PuzzleText& p = puzzles[0];
    EXPECT_EQ(p.title, "Demo & Front Page");
    EXPECT_EQ(p.author, "Jan Wolter");
    EXPECT_EQ(p.copyright, "\xC2\xA9 Copyright 2004 by Jan Wolter");
    EXPECT_EQ(p.license, "CC-BY-3.0");
    EXPECT_EQ(p.rows.size(), 10u);
    EXPECT_EQ(p.columns[1], (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(p.goal.size(), 50u);
    EXPECT_EQ(p.goal[1], 1);   // "01100...": second cell of the first row
    EXPECT_EQ(p.goal[0], 0);
}

const char* const kXmlPuzzle =
    "<?xml version=\"1.0\"?>\n"
    "<!DOCTYPE pbn SYSTEM \"pbn-0.3.dtd\" [ <!ENTITY x \"y\"> ]>\n"
    "<puzzleset>\n"
    "<!-- a comment with <tags> inside -->\n"
    "<puzzle type=\"grid\" defaultcolor=\"black\">\n"
    "<title>Tom &amp; Jerry &#169;</title>\n"
    "<author><![CDATA[A <b> & C]]></author>\n"
    "<color name=\"white\" char=\".\">fff</color>\n"
    "<color name=\"black\" char=\"X\">000</color>\n"
    "<clues type=\"columns\"><line><count>1</count></line><line><count>2</count></line><line/></clues>\n"
    "<clues type=\"rows\"><line><count>2</count></line><line><count>1</count></line></clues>\n"
    "<solution type=\"goal\"><image>\n|XX.|\n|.X.|\n</image></solution>\n"
    "</puzzle>\n"
    "</puzzleset>\n";

struct XmlCase {
    const char* name;
    std::string text;
    size_t puzzles;
    std::string problem;
    int width, height;
};

TEST(WebpbnXml, ReadsTheExportAndRefusesWhatIsNotBlackAndWhite) {
    const std::string two = std::string("<puzzleset>") +
                            "<puzzle><clues type='rows'><line><count>1</count></line></clues>"
                            "<clues type='columns'><line><count>1</count></line></clues></puzzle>"
                            "<puzzle><solution><image>|X.|\n|XX|</image></solution></puzzle></puzzleset>";
    const XmlCase cases[] = {
        {"the export", kXmlPuzzle, 1, "", 3, 2},
        {"two puzzles, one clue-only, one goal-only", two, 2, "", 2, 2},
        {"a count of another colour",
         "<puzzle><clues type='rows'><line><count color='red'>1</count></line></clues>"
         "<clues type='columns'><line><count>1</count></line></clues></puzzle>",
         1, "more than one colour", 1, 1},
        {"three colours declared",
         "<puzzle><color name='white' char='.'>fff</color><color name='black' char='X'>000</color>"
         "<color name='red' char='r'>f00</color><solution><image>|X|</image></solution></puzzle>",
         1, "more than one colour", 1, 1},
        {"too large", "<puzzle><solution><image>|" + std::string(41, 'X') + "|</image></solution></puzzle>", 1,
         "larger than 40 x 30", 41, 1},
        {"a tag closed by another", "<puzzleset>\n<puzzle>\n<title>x</author>", 1,
         "line 3: </author> closes <title>", 0, 0},
        {"never closed", "<puzzleset><puzzle>", 1, "line 1: <puzzle> is never closed", 0, 0},
        {"a count that is no number",
         "<puzzle>\n<clues type='rows'><line>\n<count>x</count></line></clues></puzzle>", 1,
         "line 3: a count that is not a number", 0, 0},
        {"ragged goal image", "<puzzle>\n<solution><image>|X.|\n|X|</image></solution></puzzle>", 1,
         "line 2: a goal image that is not a grid of cells", 0, 0},
        {"no puzzle", "<puzzleset/>", 1, "no <puzzle> in the file", 0, 0},
        {"not a grid", "<puzzle type='triddler'><solution><image>|X|</image></solution></puzzle>", 1,
         "a triddler puzzle, not a grid", 1, 1},
    };
    for (const XmlCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<PuzzleText> puzzles = readWebpbnXml(c.text);
        ASSERT_EQ(puzzles.size(), c.puzzles);
        EXPECT_EQ(puzzles.back().problem, c.problem);
        if (c.problem.empty() || c.width > 0) {
            EXPECT_EQ(puzzles.back().width, c.width);
            EXPECT_EQ(puzzles.back().height, c.height);
        }
    }
}

TEST(WebpbnXml, DecodesEntitiesAndCdataAndKeepsTheGoal) {
    const PuzzleText p = readWebpbnXml(kXmlPuzzle).at(0);
    EXPECT_EQ(p.title, "Tom & Jerry \xC2\xA9");
    EXPECT_EQ(p.author, "A <b> & C");
    EXPECT_EQ(p.goal, (std::vector<std::uint8_t>{1, 1, 0, 0, 1, 0}));
    EXPECT_EQ(p.columns, (std::vector<std::vector<int>>{{1}, {2}, {}}));
}

TEST(WebpbnXml, EveryCutOfAFileIsReadWithoutReadingPastIt) {
    // A file cut anywhere (a download that stopped) gives a problem or a
    // puzzle, never a read past the end: run under the sanitizers too.
    const std::string whole = kXmlPuzzle;
    for (size_t length = 0; length < whole.size(); ++length) {
        const std::string cut = whole.substr(0, length);
        const std::vector<PuzzleText> puzzles = readWebpbnXml(cut);
        EXPECT_FALSE(puzzles.empty()) << length;
    }
}

TEST(HtmlEscapes, DecodeKnownAndNumericEscapesAndKeepTheRest) {
    const std::pair<const char*, const char*> cases[] = {
        {"a &amp; b", "a & b"},
        {"&lt;&gt;&quot;&apos;", "<>\"'"},
        {"&#65;&#x42;&#X43;", "ABC"},
        {"&#x20AC;", "\xE2\x82\xAC"},
        {"&unknown; & &#xD800; &#; &", "&unknown; & &#xD800; &#; &"},
        {"&#1114112;", "&#1114112;"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(decodeHtmlEscapes(in), out) << in;
}

}  // namespace
}  // namespace mosarin::testing
