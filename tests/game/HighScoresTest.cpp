// The high-score file's scrambling and reading, and entering a final score into the table.
#include "GameFixture.h"
#include "game/HighScoreFile.h"

namespace fitzel::test {
namespace {

TEST(HighScoreFile, ATableIsStoredAsFiveScrambledLinesAndReadBack) {
    // The table's scores and names survive the file, Latin-1 bytes kept and others stored as "?".

    // Character j of a line is shifted by key character (j mod 22) + 1, modulo 256, afresh on every
    // line of a five-digit score, the name and CR LF.
    EXPECT_EQ(scrambleLine(std::string(45, '\0')), "endleford Ash-Yo 1984Pendleford Ash-Yo 1984Pe");
    const std::string empty = "\x95\x9e\x94\x9c\x95\r\n";  // "00000"
    EXPECT_EQ(encodeHighScoreFile({0, 7}, {"", "Ann"}),
              "\x95\x9e\x94\x9c\x9c\xa7\xdd\xe0\r\n" + empty + empty + empty + empty);
    for (const auto& [name, readBack] : std::vector<std::pair<std::string, std::string>>{
             {" 2 Zoë  ", " 2 Zoë  "},
             {"\u0080\u0085\u009F\u00A0ÿ", "\u0080\u0085\u009F\u00A0ÿ"},
             {"€uro\xF0\x9F\x98\x80", "?uro?"},  // no Latin-1 byte
             {"§", "?"},                         // 167 + 'f' = 13 at position 6
             {"¤", "?"},                         // 164 + 'f' = 10 at position 6
             {"a§¤", "a§¤"}}) {                  // harmless at positions 7 and 8
        HighScores read{};
        HighNames names{"", name, "Al", "", name, "Bo"};
        decodeHighScoreFile(encodeHighScoreFile({0, 32767, 12345, 150, 7, 0}, names), read, names);
        EXPECT_EQ(read, (HighScores{0, 32767, 12345, 150, 7, 0})) << name;
        EXPECT_EQ(names, (HighNames{"", readBack, "Al", "", readBack, "Bo"}));
    }
}

TEST(HighScoreFile, LinesEndAtCarriageReturnsAndScoresAreLeadingNumbers) {
    // Lines end at CR or CR LF and missing ones are empty places; scores are leading numbers.
    const std::string withLineFeed = scrambleLine("-0012\xA4x");  // '¤' scrambles to byte 10
    ASSERT_EQ(withLineFeed[5], '\n');
    HighScores scores{};
    HighNames names{"", "", "", "", "", "old"};  // a lone LF belongs to its line
    decodeHighScoreFile(scrambleLine("12-3 Al") + "\r" + scrambleLine("  42xBo") + "\r\n" +
                            withLineFeed + "\r" + scrambleLine("99999Max"),
                        scores, names);
    EXPECT_EQ(scores, (HighScores{0, 12, 42, -12, 32767, 0}));
    EXPECT_EQ(names, (HighNames{"", "Al", "Bo", "¤x", "Max", ""}));
    decodeHighScoreFile(scrambleLine("+7") + "\r\n" + scrambleLine("-99999") + "\r\n" +
                            scrambleLine("abc") + "\r\n",
                        scores, names);
    EXPECT_EQ(scores, (HighScores{0, 7, -9999, 0, 0, 0}));
    EXPECT_EQ(names, (HighNames{"", "", "9", "", "", ""}));
}

struct HighScoresTest : GameTest {
    const std::string config = fake.path("Config.cfg");
    const HighScores scores{0, 100, 80, 60, 40, 20};
    const HighNames names{"", "Ann", "Ben", "Cy", "Dee", "Eve"};
};

TEST_F(HighScoresTest, AScoreEntersBelowEqualScoresAndPushesPlaceFiveOut) {
    // A score enters above the first lower one; only place 1 is congratulated.
    for (auto [score, place] :
         {std::pair{150, 1}, {100, 2}, {99, 2}, {60, 4}, {21, 5}, {20, 0}, {0, 0}}) {
        SCOPED_TRACE(score);
        Program p;
        p.fake.files[config] = encodeHighScoreFile(scores, names);
        p.game.strPlayerName = "Last";
        p.fake.inputAnswers.push_back("Zed");
        p.game.CheckHighScore(static_cast<std::int16_t>(score));
        HighScores wantScores = scores;
        HighNames wantNames = names;
        for (int k = 5; place != 0 && k >= place; --k) {
            wantScores[k] = k == place ? score : wantScores[k - 1];
            wantNames[k] = k == place ? "Zed" : wantNames[k - 1];
        }
        EXPECT_EQ(p.fake.files[config], encodeHighScoreFile(wantScores, wantNames));
        EXPECT_EQ(p.fake.replaced.size(), place == 0 ? 0u : 1u);
        EXPECT_EQ(p.fake.scoresWindowShown, place == 0 ? 0 : 1);
        const std::string ask = "ask Fitzel! - Player Name.|Please enter your name.     |Last";
        const std::string best =
            "box Fitzel! - High Score!|You got the high score!     |information|OK";
        using Boxes = std::vector<std::string>;
        EXPECT_EQ(p.fake.boxes, (place == 0   ? Boxes{}
                                 : place == 1 ? Boxes{ask, best}
                                              : Boxes{ask}));
        if (place != 0) {
            EXPECT_EQ(p.game.intHighScore, wantScores);
            EXPECT_EQ(p.game.strPlayerName, "Zed");
        }
    }
}

TEST_F(HighScoresTest, TheNameBoxProposesTheLastNameAndCancelStoresAnEmptyOne) {
    // The name box proposes the last name; a cancel stores an empty one; exact new file.
    fake.inputAnswers = {"Ann", ""};
    game.intHighScore = {0, 1, 2, 3, 4, 5};
    game.CheckHighScore(7);
    const std::string empty = "\x95\x9e\x94\x9c\x95\r\n";
    EXPECT_EQ(fake.files.at(config),
              std::string("\x95\x9e\x94\x9c\x9c\xa7\xdd\xe0\r\n") + empty + empty + empty + empty);
    game.CheckHighScore(60);
    game.CheckHighScore(70);
    const std::string ask = "ask Fitzel! - Player Name.|Please enter your name.     |";
    ASSERT_EQ(fake.boxes.size(), 6u);
    EXPECT_EQ(fake.boxes[0] + fake.boxes[2] + fake.boxes[4], ask + ask + "Ann" + ask);
    EXPECT_EQ(scoresIn(fake.files.at(config)), (HighScores{0, 70, 60, 7, 0, 0}));
    EXPECT_EQ(game.strHighName, (HighNames{"", "", "", "Ann", "", ""}));
}

TEST_F(HighScoresTest, AFileThatCannotBeReadReplacedOrLockedIsReportedAndKept) {
    // The old table stays, the player is told why, is not congratulated, and the window shows.
    enum Fault { Unreadable, ReplaceFails, Locked };
    for (Fault fault : {Unreadable, ReplaceFails, Locked}) {
        SCOPED_TRACE(fault);
        Program p;
        p.fake.files[config] = encodeHighScoreFile(scores, names);
        const std::string before = p.fake.files[config];
        std::string why = "Another copy of Fitzel! is saving its scores";
        if (fault == Unreadable) {
            p.fake.unreadable.insert(config);
            why = "permission denied";
        } else if (fault == ReplaceFails) {
            p.fake.replaceFault = why = "disk full";
        } else {
            p.fake.lockFault = why;
        }
        p.game.CheckHighScore(150);
        EXPECT_EQ(p.fake.files[config], before);
        EXPECT_EQ(p.fake.replaced.empty(), fault != ReplaceFails);
        ASSERT_FALSE(p.fake.boxes.empty());
        const std::string& report = p.fake.boxes.back();
        EXPECT_EQ(report.rfind("box Fitzel! - ", 0), 0u) << report;
        EXPECT_NE(report.find(why), std::string::npos) << report;
        for (const std::string& box : p.fake.boxes) {
            EXPECT_EQ(box.find("You got the high score!"), std::string::npos) << "not stored";
        }
        EXPECT_EQ(p.fake.scoresWindowShown, 1);
    }
}

TEST_F(HighScoresTest, AnInstalledCopyKeepsItsTableInThePlayersOwnFolder) {
    // A read-only program folder keeps the table in the player's folder, from the shipped one
    // or, when that cannot be read, from an empty one.
    const std::string own = *fake.userDataFolder() + "/Config.cfg";
    enum Copy { Portable, Installed, InstalledWithUnreadableShippedTable };
    for (Copy copy : {Portable, Installed, InstalledWithUnreadableShippedTable}) {
        SCOPED_TRACE(copy);
        Program p;
        p.fake.files[config] = encodeHighScoreFile({0, 90, 80, 70, 60, 50}, names);
        const std::string shipped = p.fake.files[config];
        if (copy != Portable) {
            p.fake.readOnlyFolders.insert(p.fake.programFolder());
        }
        if (copy == InstalledWithUnreadableShippedTable) {
            p.fake.unreadable.insert(config);
        }
        const std::string where = copy == Portable ? config : own;
        EXPECT_EQ(p.game.highScorePath(), where);
        p.game.CheckHighScore(85);
        EXPECT_EQ(p.fake.replaced, std::vector<std::string>{where});
        EXPECT_EQ(p.fake.lockLog, (std::vector<std::string>{"lock " + where + ".lock",
                                                            "unlock " + where + ".lock"}));
        EXPECT_EQ(scoresIn(p.fake.files[where]), copy == InstalledWithUnreadableShippedTable
                                                     ? (HighScores{0, 85, 0, 0, 0, 0})
                                                     : (HighScores{0, 90, 85, 80, 70, 60}));
        EXPECT_EQ(p.fake.files[config] == shipped, copy != Portable);
    }
}

TEST_F(HighScoresTest, AnEntryGoesIntoTheTableAsItIsOnDiskWhenItIsSaved) {
    // A table another copy saved while the name was typed keeps its entries; when it no longer
    // has room for the score, the player is told so and the table is left as it is.
    for (int score : {350, 90}) {
        SCOPED_TRACE(score);
        Program p;
        p.fake.files[config] = encodeHighScoreFile(scores, names);
        const std::string theirs =
            encodeHighScoreFile({0, 500, 400, 300, 200, 100}, {"", "V", "W", "X", "Y", "Z"});
        p.fake.duringBox = [&](const std::string& box) {
            if (box.rfind("ask ", 0) == 0) {
                p.fake.files[config] = theirs;
            }
        };
        p.fake.inputAnswers.push_back("Me");
        p.game.CheckHighScore(static_cast<std::int16_t>(score));
        EXPECT_EQ(p.fake.scoresWindowShown, 1);
        if (score == 90) {
            EXPECT_EQ(p.fake.files.at(config), theirs);
            EXPECT_TRUE(p.fake.replaced.empty());
            ASSERT_EQ(p.fake.boxes.size(), 2u);
            EXPECT_NE(p.fake.boxes[1].find("no longer makes the table"), std::string::npos);
            continue;
        }
        HighScores stored{};
        HighNames storedNames;
        decodeHighScoreFile(p.fake.files.at(config), stored, storedNames);
        EXPECT_EQ(stored, (HighScores{0, 500, 400, 350, 300, 200}));
        EXPECT_EQ(storedNames, (HighNames{"", "V", "W", "Me", "X", "Y"}));
        EXPECT_EQ(p.fake.boxes.size(), 1u) << "no first-place message";
    }
}

}  // namespace
}  // namespace fitzel::test
