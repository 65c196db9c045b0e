// The high-score file's scrambling and reading, and entering a final score into the table.
#include "GameFixture.h"

namespace fitzel::test {

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
    decodeHighScoreFile(scrambleLine("12-3 Al") + "\r" + scrambleLine(" 4 2xBo") + "\r\n" +
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
    const std::string own = *fake.userDataFolder() + "/Config.cfg";
    const HighNames names{"", "Ann", "Ben", "Cy", "Dee", "Eve"};
    const std::string table = encodeHighScoreFile({0, 100, 80, 60, 40, 20}, names);
    const std::string ask = "Fitzel! - Player Name.|Please enter your name.     |";
};

TEST_F(HighScoresTest, AScoreEntersBelowEqualScoresAndPushesPlaceFiveOut) {
    // A score enters above the first lower one; only place 1 is congratulated, no entry is silent.
    for (auto [score, place] :
         {std::pair{150, 1}, {100, 2}, {99, 2}, {60, 4}, {21, 5}, {20, 0}, {0, 0}}) {
        Program p;
        p.fake.files[config] = table;
        p.fake.names = {"Zed"};
        p.game.CheckHighScore(static_cast<std::int16_t>(score));
        HighScores wantScores{0, 100, 80, 60, 40, 20};
        HighNames wantNames = names;
        for (int k = 5; place != 0 && k >= place; --k) {
            wantScores[k] = static_cast<std::int16_t>(k == place ? score : wantScores[k - 1]);
            wantNames[k] = k == place ? "Zed" : wantNames[k - 1];
        }
        EXPECT_EQ(p.fake.files[config], encodeHighScoreFile(wantScores, wantNames)) << score;
        EXPECT_EQ(p.fake.boxes.size(), place == 0 ? 0u : place == 1 ? 2u : 1u) << "best: 2";
        EXPECT_EQ(p.fake.scoresWindows, place != 0);
    }
}

TEST_F(HighScoresTest, TheNameBoxProposesTheNameLastTypedAndCancelStoresAnEmptyOne) {
    // Three first places in one run, from no table at all; the second name box is cancelled.
    fake.names = {"Ann", ""};
    for (std::int16_t score : {7, 60, 70})
        game.CheckHighScore(score);
    ASSERT_EQ(fake.boxes.size(), 6u);
    EXPECT_EQ(fake.boxes[0] + fake.boxes[2] + fake.boxes[4], ask + ask + "Ann" + ask);
    EXPECT_EQ(fake.boxes[1], "Fitzel! - High Score!|You got the high score!     ");
    EXPECT_EQ(fake.files.at(config), encodeHighScoreFile({0, 70, 60, 7}, {"", "", "", "Ann"}));
}

TEST_F(HighScoresTest, WhereTheTableIsKeptAndWhatHappensWhenItCannotBe) {
    // Where an entry is stored, and what the player is told when it cannot be or no longer fits.

    // An installed copy keeps its table in the player's folder, starting from the shipped one or an
    // empty one. A table that cannot be read or locked (or replaced: the disk-full test) is kept
    // and the player told why, not congratulated; a table another copy filled meanwhile is entered
    // as it is.
    const std::string entered =
        encodeHighScoreFile({0, 100, 85, 80, 60, 40}, {"", "Ann", "Me", "Ben", "Cy", "Dee"});
    const std::string theirs =
        encodeHighScoreFile({0, 500, 400, 300, 200, 100}, {"", "V", "W", "X", "Y", "Z"});
    struct Case {
        std::string what;
        int score;
        std::string beside;  // the table then beside the program
        std::string inOwn;   // and in the player's folder
        std::string told;    // what the last box tells when it is not the name box
        std::function<void(Program&)> setUp;
    };
    const auto installed = [](Program& p) { p.fake.readOnly.insert(p.fake.programFolder()); };
    const auto theirsMeanwhile = [&](Program& p) {
        p.fake.duringBox = [&p, &theirs, this] { p.fake.files[config] = theirs; };
    };
    const std::vector<Case> cases = {
        {"portable", 85, entered, "", "", [](Program&) {}},
        {"installed", 85, table, entered, "", installed},
        {"installed, shipped table unreadable", 85, table, encodeHighScoreFile({0, 85}, {"", "Me"}),
         "You got the high score!",
         [&](Program& p) {
             installed(p);
             p.fake.unreadable.insert(config);
         }},
        {"installed, no home", 150, table, "", "no home folder",
         [&](Program& p) {
             installed(p);
             p.fake.homeless = true;
         }},
        {"unreadable", 150, table, "", "permission denied",
         [&](Program& p) { p.fake.unreadable.insert(config); }},
        {"locked", 150, table, "", "another copy is saving",
         [&](Program& p) { p.fake.locked.insert(config + ".lock"); }},
        {"theirs, entered", 350,
         encodeHighScoreFile({0, 500, 400, 350, 300, 200}, {"", "V", "W", "Me", "X", "Y"}), "", "",
         theirsMeanwhile},
        {"theirs, no longer entered", 90, theirs, "", "no longer makes the table", theirsMeanwhile},
    };
    for (const auto& [what, score, beside, inOwn, told, setUp] : cases) {
        Program p;
        p.fake.files[config] = table;
        setUp(p);
        p.fake.names = {"Me"};
        p.game.CheckHighScore(static_cast<std::int16_t>(score));
        EXPECT_EQ(p.fake.files[config] + "|" + p.fake.files[own], beside + "|" + inOwn) << what;
        EXPECT_EQ(p.fake.boxes.size(), told.empty() ? 1u : 2u) << what;
        EXPECT_NE(p.fake.boxes.back().find(told), std::string::npos) << p.fake.boxes.back();
        EXPECT_EQ(p.fake.scoresWindows, 1);
    }
}

}  // namespace fitzel::test
