// High-score tables: the text, the fresh table, damaged files, names, the sort, the best score.
#include "common/score_table.h"

#include "common/scramble.h"
#include "temp_dir_fixture.h"

#include <cstring>
#include <string>
#include <vector>

using namespace crv;

namespace {

/// One stored line for a plain score.
std::string line(std::int32_t score, const std::string& name) {
    return std::to_string(encodeScore(score, highScorePair)) + " " + name + "\n";
}

void expectRow(const ScoreRow& row, std::int32_t score, const std::string& name) {
    EXPECT_EQ(row.score, score);
    EXPECT_EQ(std::string(row.name), name);
}

std::vector<std::int32_t> scoresOf(const ScoreTable& table) {
    std::vector<std::int32_t> scores;
    for (const ScoreRow& row : table.rows) {
        scores.push_back(row.score);
    }
    return scores;
}

TEST(ScoreTable, FreshTableIsZelmorathFromTenThousandDownToThreeThousand) {
    const ScoreTable table = freshScoreTable();
    for (int k = 0; k < scoreRowCount; ++k) {
        expectRow(table.rows[k], 10000 - 500 * k, "Zelmorath");
    }
    EXPECT_EQ(formatScoreTable(table).substr(0, line(10000, "Zelmorath").size()),
              line(10000, "Zelmorath"));
}

TEST(ScoreTable, TextRoundTripKeepsNamesWithBlanksAndNegativeScores) {
    ScoreTable table = freshScoreTable();
    setRowName(table.rows[0], "Ada Lovelace ");
    table.rows[0].score = 123456;
    setRowName(table.rows[14], "x");
    table.rows[14].score = -7;
    const std::string text = formatScoreTable(table);
    EXPECT_EQ(text.substr(0, line(123456, "Ada Lovelace ").size()), line(123456, "Ada Lovelace "));
    const ScoreTable read = parseScoreTable(text);
    EXPECT_EQ(formatScoreTable(read), text);
    expectRow(read.rows[0], 123456, "Ada Lovelace ");
    expectRow(read.rows[14], -7, "x");
}

TEST(ScoreTable, ReaderTakesTheRestOfTheLineAsTheName) {
    // Blanks before a name are dropped, blanks after it stay; blank lines between rows vanish.
    const std::string text =
        std::to_string(encodeScore(900, highScorePair)) + "   two  words \n\n" + line(800, "next");
    const ScoreTable table = parseScoreTable(text);
    expectRow(table.rows[0], 900, "two  words ");
    expectRow(table.rows[1], 800, "next");
}

TEST(ScoreTable, DamagedRowsReadAsCorruptScoreAndCostOnlyThemselves) {
    const std::string text = line(9000, "first") + "12345 failed check\n" + // fails the check
                             "no number here\n" +                           // no number at all
                             "- minus alone\n" + line(8000, "after the damage") +
                             "99999999999999999999 too big\n" + line(7000, "last");
    const ScoreTable table = parseScoreTable(text);
    expectRow(table.rows[0], 9000, "first");
    expectRow(table.rows[1], 0, "<corrupt score>");
    expectRow(table.rows[2], 0, "<corrupt score>");
    expectRow(table.rows[3], 0, "<corrupt score>");
    expectRow(table.rows[4], 8000, "after the damage");
    expectRow(table.rows[5], 0, "<corrupt score>");
    expectRow(table.rows[6], 7000, "last");
    // The file ran out: every remaining attempt fails.
    for (int k = 7; k < scoreRowCount; ++k) {
        expectRow(table.rows[k], 0, "<corrupt score>");
    }
    const ScoreTable empty = parseScoreTable("");
    for (const ScoreRow& row : empty.rows) {
        expectRow(row, 0, "<corrupt score>");
    }
}

TEST(ScoreTable, NamesAreCutToThirtyNineBytes) {
    const std::string longName(60, 'n');
    const ScoreTable table = parseScoreTable(line(900, longName) + line(800, "next"));
    expectRow(table.rows[0], 900, std::string(39, 'n'));
    expectRow(table.rows[1], 800, "next");

    struct Case {
        std::string given;
        std::string stored;
    } cases[] = {
        {std::string(40, 'a'), std::string(39, 'a')},
        {std::string(39, 'a'), std::string(39, 'a')},
        // A two-byte character across the cut is dropped whole.
        {std::string(38, 'a') + "\xc3\xa9" + "b", std::string(38, 'a')},
        {std::string(37, 'a') + "\xc3\xa9" + "b", std::string(37, 'a') + "\xc3\xa9"},
        {"two\nlines", "two"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        ScoreRow row;
        std::memset(&row, 0x7f, sizeof row);
        row.score = 1;
        setRowName(row, c.given);
        EXPECT_EQ(std::string(row.name), c.stored);
        EXPECT_EQ(row.name[nameFieldSize - 1], '\0');
        EXPECT_EQ(row.score, 1) << "nothing written past the name field";
    }
}

TEST(ScoreTable, BlankNamesAreStoredAsNoNameEntered) {
    for (const char* name : {"", "   ", "\t", "\n", " \nname on the next line"}) {
        SCOPED_TRACE(name);
        ScoreTable table = freshScoreTable();
        setRowName(table.rows[0], name);
        expectRow(table.rows[0], 10000, "[No name entered]");
        // Filled in by hand the field still never reaches the file blank.
        std::memset(table.rows[1].name, 0, nameFieldSize);
        const std::string text = formatScoreTable(table);
        EXPECT_EQ(text.substr(0, line(10000, "[No name entered]").size()),
                  line(10000, "[No name entered]"));
        const ScoreTable read = parseScoreTable(text);
        expectRow(read.rows[1], 9500, "[No name entered]");
        expectRow(read.rows[2], 9000, "Zelmorath");
    }
}

TEST(ScoreTable, SortMovesANewRowBelowEqualScoresInTheExchangeOrder) {
    ScoreTable table{};
    const std::pair<std::int32_t, const char*> rows[] = {
        {500, "a"}, {400, "first"}, {400, "second"}, {300, "d"}};
    for (int k = 0; k < scoreRowCount; ++k) {
        setRowName(table.rows[k], k < 4 ? rows[k].second : "low");
        table.rows[k].score = k < 4 ? rows[k].first : 100 - k;
    }
    table.rows[14].score = 450;
    setRowName(table.rows[14], "new");
    sortScoreTable(table);
    expectRow(table.rows[0], 500, "a");
    expectRow(table.rows[1], 450, "new");
    expectRow(table.rows[2], 400, "second");
    expectRow(table.rows[3], 400, "first");
    expectRow(table.rows[4], 300, "d");

    ScoreTable fresh = freshScoreTable();
    fresh.rows[14].score = 7000;
    setRowName(fresh.rows[14], "tie");
    sortScoreTable(fresh);
    expectRow(fresh.rows[6], 7000, "Zelmorath");
    expectRow(fresh.rows[7], 7000, "tie");

    ScoreTable mixed = freshScoreTable();
    mixed.rows[0].score = INT32_MIN;
    mixed.rows[3].score = -1;
    sortScoreTable(mixed);
    const std::vector<std::int32_t> scores = scoresOf(mixed);
    EXPECT_TRUE(std::is_sorted(scores.rbegin(), scores.rend()));
    EXPECT_EQ(scores.back(), INT32_MIN);
}

TEST(BestScore, FirstLinesValueDecodedOrZero) {
    struct Case {
        std::string text;
        float best;
    } cases[] = {
        {line(12345, "someone") + line(100, "x"), 12345.0f},
        {"\n  " + line(5000, "after blank lines"), 5000.0f},
        {"12345 fails the check\n" + line(100, "x"), 0.0f},
        {"no number\n" + line(100, "x"), 0.0f},
        {"", 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseBestScore(c.text), c.best);
    }
}

class ScoreFile : public TempDirTest {};

TEST_F(ScoreFile, MissingFileReadsFreshAndCreatesNothing) {
    const ScoreTable table = readScoreTable(swingScoreFileName);
    EXPECT_EQ(formatScoreTable(table), formatScoreTable(freshScoreTable()));
    EXPECT_EQ(readBestScore(1), 10000.0f);
    EXPECT_EQ(readBestScore(0), 10000.0f);
    EXPECT_TRUE(entries().empty());
}

TEST_F(ScoreFile, WriteThenReadEachModesFile) {
    ScoreTable swing = freshScoreTable();
    swing.rows[0].score = 20000;
    setRowName(swing.rows[0], "swing player");
    ScoreTable still = freshScoreTable();
    still.rows[0].score = 15000;
    ASSERT_TRUE(writeScoreTable(swing, scoreFileName(2)));
    ASSERT_TRUE(writeScoreTable(still, scoreFileName(0)));
    EXPECT_EQ(entries(), (std::vector<std::string>{"static.scr", "swing.scr"}));
    EXPECT_EQ(readText("swing.scr"), formatScoreTable(swing));
    EXPECT_EQ(formatScoreTable(readScoreTable("swing.scr")), formatScoreTable(swing));
    EXPECT_EQ(readBestScore(1), 20000.0f);
    EXPECT_EQ(readBestScore(0), 15000.0f);
}

} // namespace
