// The high-score file's scrambling and reading, and entering a final score into the table.
#include "GameFixture.h"
#include "game/HighScoreFile.h"

namespace fitzel::test {
namespace {

std::string bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes)
        s += static_cast<char>(c);
    return s;
}

TEST(HighScoreFile, KnownLinesScrambleToTheirExactBytes) {
    // Character j of a line is shifted by key character (j mod 22) + 1, afresh on every line.
    EXPECT_EQ(scrambleLine("00000"), bytes({149, 158, 148, 156, 149}));
    EXPECT_EQ(scrambleLine("12345Ann"), bytes({150, 160, 151, 160, 154, 167, 221, 224}));
    EXPECT_EQ(scrambleLine(std::string(45, '\0')), "endleford Ash-Yo 1984Pendleford Ash-Yo 1984Pe");
    EXPECT_EQ(scrambleLine(std::string(3, '\xF0')), bytes({0x55, 0x5E, 0x54}));  // wraps at 256
    EXPECT_EQ(unscrambleLine(bytes({150, 160, 151, 160, 154, 167, 221, 224})), "12345Ann");
    EXPECT_EQ(unscrambleLine(bytes({0x55, 0x5E, 0x54})), std::string(3, '\xF0'));
}

TEST(HighScoreFile, ATableReadsBackAsWritten) {
    // Names of any length, blanks, leading digits and Latin-1 letters survive the round trip.
    const std::vector<std::pair<HighScores, HighNames>> tables = {
        {{0, 32767, 12345, 150, 7, 0},
         {"", "", "Sixteen chars ok", "Seventeen chars!!", "22 characters, exactly",
          "Twenty-three characters"}},
        {{0, 900, 800, 700, 600, 500}, {"", "Zoë Ångström  ", "42 is it", " x ", "ÿþ", "a"}},
    };
    for (const auto& [scores, names] : tables) {
        std::string file = encodeHighScoreFile(scores, names);
        std::string expected;
        for (int k = 1; k <= 5; ++k) {
            expected += scrambleLine(scoreField(scores[k]) + storableName(names[k])) + "\r\n";
        }
        EXPECT_EQ(file, expected);
        HighScores readScores{};
        HighNames readNames;
        decodeHighScoreFile(file, readScores, readNames);
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(readScores[k], scores[k]) << k;
            EXPECT_EQ(readNames[k], names[k]) << k;
        }
    }
    // The 17th character of a name is at line position 22 and uses key character 1, "P".
    std::string line = scrambleLine("00000" + std::string(16, 'a') + "bc");
    EXPECT_EQ(line.substr(21), bytes({'b' + 'P', 'c' + 'e'}));
}

TEST(HighScoreFile, NamesAreStoredAsLatin1WithQuestionMarksWhereNeeded) {
    // Characters without a Latin-1 byte, or that would scramble to a line end, become "?".
    const std::string a16(16, 'a');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Ann", "Ann"},
        {"Zoë", "Zo\xEB"},
        {"€uro", "?uro"},
        {"\xF0\x9F\x98\x80x", "?x"},  // a character beyond the first plane
        {"§", "?"},                   // 167 + 'f' = 13 at position 6
        {"¤", "?"},                   // 164 + 'f' = 10 at position 6
        {"a§¤", "a\xA7\xA4"},         // the same bytes are harmless at positions 7 and 8
        {a16 + "½", a16 + "?"},       // 189 + 'P' = 13 at position 22
        {a16 + "a¨", a16 + "a?"},     // 168 + 'e' = 13 at position 23
    };
    for (const auto& [name, stored] : cases) {
        EXPECT_EQ(storableName(name), stored) << name;
    }
    EXPECT_EQ(utf8FromLatin1("Zo\xEB\xA7"), "Zoë§");
}

TEST(HighScoreFile, ScoreFieldsAreFiveDigitsAndReadAsLeadingNumbers) {
    // Scores are written with zeros in front and read like a number at the start of the text.
    const std::vector<std::pair<std::int16_t, std::string>> written = {
        {0, "00000"}, {7, "00007"}, {150, "00150"}, {12345, "12345"}, {32767, "32767"}};
    for (const auto& [score, field] : written) {
        EXPECT_EQ(scoreField(score), field);
    }
    const std::vector<std::pair<std::string, int>> read = {
        {"00150", 150},     {"  42x", 42}, {"+7", 7},        {"-0012", -12},     {"12-3", 12},
        {"abc", 0},         {"", 0},       {"99999", 32767}, {"-99999", -32768}, {"32768", 32767},
        {"-32768", -32768}, {"-", 0},
    };
    for (const auto& [field, value] : read) {
        EXPECT_EQ(scoreFieldValue(field), value) << '"' << field << '"';
    }
}

TEST(HighScoreFile, LinesEndAtCarriageReturnsAndMissingLinesAreEmptyPlaces) {
    // A lone line feed belongs to the line; a short file fills the rest with 0 and no name.
    std::string withLineFeed = scrambleLine("00003\xA4x");  // '¤' scrambles to byte 10 here
    ASSERT_EQ(withLineFeed[5], '\n');
    std::string file = scrambleLine("00010Al") + "\r" + scrambleLine("00005Bo") + "\r\n" +
                       withLineFeed + "\r" + scrambleLine("99999Max");
    HighScores scores{};
    HighNames names;
    names[5] = "old";
    decodeHighScoreFile(file, scores, names);
    EXPECT_EQ(scores, (HighScores{0, 10, 5, 3, 32767, 0}));
    EXPECT_EQ(names[1], "Al");
    EXPECT_EQ(names[2], "Bo");
    EXPECT_EQ(names[3], "¤x");
    EXPECT_EQ(names[4], "Max");
    EXPECT_EQ(names[5], "");

    decodeHighScoreFile(scrambleLine("007") + "\r\n" + scrambleLine("-99999") + "\r\n", scores,
                        names);
    EXPECT_EQ(scores, (HighScores{0, 7, -9999, 0, 0, 0})) << "the field is five characters";
    EXPECT_EQ(names[1], "");
    EXPECT_EQ(names[2], "9");
}

class HighScoresTest : public GameTest {
  protected:
    std::string configPath() { return fake.path("Config.cfg"); }
    void storeTable(const HighScores& scores, const HighNames& names) {
        fake.files[configPath()] = encodeHighScoreFile(scores, names);
    }
    std::pair<HighScores, HighNames> storedTable() {
        HighScores scores{};
        HighNames names;
        decodeHighScoreFile(fake.files.at(configPath()), scores, names);
        return {scores, names};
    }
};

struct Entry {
    std::int16_t score;
    int place;  // 0: does not enter
};

TEST_F(HighScoresTest, AScoreEntersBelowEqualScoresAndPushesPlaceFiveOut) {
    // The first place with a strictly lower score takes the entry; the rest move down.
    const HighScores scores{0, 100, 80, 60, 40, 20};
    const HighNames names{"", "Ann", "Ben", "Cy", "Dee", "Eve"};
    for (Entry e : {Entry{150, 1}, Entry{100, 2}, Entry{99, 2}, Entry{60, 4}, Entry{21, 5},
                    Entry{20, 0}, Entry{0, 0}}) {
        SCOPED_TRACE(e.score);
        FakePlatform f;
        modGeneral g(f);
        f.attach(&g);
        f.files[f.path("Config.cfg")] = encodeHighScoreFile(scores, names);
        const std::string before = f.files[f.path("Config.cfg")];
        g.strPlayerName = "Last";
        f.inputAnswers.push_back("Zed");
        g.CheckHighScore(e.score);
        if (e.place == 0) {
            EXPECT_TRUE(f.boxes.empty());
            EXPECT_TRUE(f.replaced.empty());
            EXPECT_EQ(f.files[f.path("Config.cfg")], before);
            EXPECT_EQ(f.scoresWindowShown, 0);
            continue;
        }
        HighScores wantScores = scores;
        HighNames wantNames = names;
        for (int k = 5; k > e.place; --k) {
            wantScores[k] = wantScores[k - 1];
            wantNames[k] = wantNames[k - 1];
        }
        wantScores[e.place] = e.score;
        wantNames[e.place] = "Zed";
        ASSERT_EQ(f.boxes.size(), e.place == 1 ? 2u : 1u);
        EXPECT_TRUE(f.boxes[0].input);
        EXPECT_EQ(f.boxes[0].text, "Please enter your name.     ");
        EXPECT_EQ(f.boxes[0].title, "Fitzel! - Player Name.");
        EXPECT_EQ(f.boxes[0].proposed, "Last");
        if (e.place == 1) {
            EXPECT_FALSE(f.boxes[1].input);
            EXPECT_EQ(f.boxes[1].text, "You got the high score!     ");
            EXPECT_EQ(f.boxes[1].title, "Fitzel! - High Score!");
            EXPECT_EQ(f.boxes[1].icon, BoxIcon::Information);
            EXPECT_EQ(f.boxes[1].buttons, BoxButtons::Ok);
        }
        EXPECT_EQ(f.files[f.path("Config.cfg")], encodeHighScoreFile(wantScores, wantNames));
        EXPECT_EQ(f.replaced, std::vector<std::string>{f.path("Config.cfg")});
        EXPECT_EQ(g.intHighScore, wantScores);
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(g.strHighName[k], wantNames[k]) << k;
        EXPECT_EQ(g.strPlayerName, "Zed");
        EXPECT_EQ(f.scoresWindowShown, 1);
    }
}

TEST_F(HighScoresTest, TheNameBoxProposesTheLastNameAndCancelStoresAnEmptyOne) {
    // The name typed is proposed next time; a cancelled box gives an empty name.
    fake.inputAnswers = {"Ann", ""};
    game.CheckHighScore(50);
    game.CheckHighScore(60);
    game.CheckHighScore(70);
    ASSERT_EQ(fake.boxes.size(), 6u);
    EXPECT_EQ(fake.boxes[0].proposed, "");
    EXPECT_EQ(fake.boxes[2].proposed, "Ann");
    EXPECT_EQ(fake.boxes[4].proposed, "");
    auto [scores, names] = storedTable();
    EXPECT_EQ(scores, (HighScores{0, 70, 60, 50, 0, 0}));
    EXPECT_EQ(names[1], "");
    EXPECT_EQ(names[2], "");
    EXPECT_EQ(names[3], "Ann");
}

TEST_F(HighScoresTest, AMissingFileIsAnEmptyTableAndTheNewFileHasExactBytes) {
    // Without a file the table is five places of 0; an entry then writes the whole file.
    game.intHighScore = {0, 1, 2, 3, 4, 5};
    game.strHighName[3] = "x";
    game.LoadHighScores();
    EXPECT_EQ(game.intHighScore, (HighScores{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(game.strHighName[3], "");

    fake.inputAnswers.push_back("Ann");
    game.CheckHighScore(7);
    std::string empty = bytes({149, 158, 148, 156, 149, 13, 10});
    EXPECT_EQ(fake.files.at(configPath()), bytes({149, 158, 148, 156, 156, 167, 221, 224, 13, 10}) +
                                               empty + empty + empty + empty);
}

TEST_F(HighScoresTest, AShortFileAndAnOversizedScoreReadWithoutEndingTheGame) {
    // Missing lines are empty places; a score beyond 16 bits is held at 32767.
    fake.files[configPath()] = scrambleLine("99999Max") + "\r\n" + scrambleLine("00300Sue");
    game.LoadHighScores();
    EXPECT_EQ(game.intHighScore, (HighScores{0, 32767, 300, 0, 0, 0}));
    EXPECT_EQ(game.strHighName[1], "Max");
    EXPECT_EQ(game.strHighName[2], "Sue");
    EXPECT_EQ(game.strHighName[5], "");
    fake.inputAnswers.push_back("Bo");
    game.CheckHighScore(32767);
    auto [scores, names] = storedTable();
    EXPECT_EQ(scores, (HighScores{0, 32767, 32767, 300, 0, 0}));
    EXPECT_EQ(names[2], "Bo");
}

TEST_F(HighScoresTest, AFailedSaveIsReportedAndTheOldFileStays) {
    // A file that cannot be replaced or read keeps its table; the window still shows.
    for (bool unreadable : {false, true}) {
        SCOPED_TRACE(unreadable ? "unreadable" : "replace fails");
        FakePlatform f;
        modGeneral g(f);
        f.attach(&g);
        const std::string path = f.path("Config.cfg");
        f.files[path] =
            encodeHighScoreFile({0, 100, 80, 60, 40, 20}, {"", "A", "B", "C", "D", "E"});
        const std::string before = f.files[path];
        if (unreadable) {
            f.unreadable.insert(path);
        } else {
            f.replaceFaults[path] = "disk full";
        }
        g.CheckHighScore(50);
        EXPECT_EQ(f.files[path], before);
        ASSERT_FALSE(f.boxes.empty());
        const auto& report = f.boxes.back();
        EXPECT_FALSE(report.input);
        EXPECT_NE(report.text.find(unreadable ? "permission denied" : "disk full"),
                  std::string::npos)
            << report.text;
        EXPECT_EQ(report.title.rfind("Fitzel! - ", 0), 0u) << report.title;
        EXPECT_EQ(f.scoresWindowShown, 1);
    }
}

TEST_F(HighScoresTest, AnInstalledCopyKeepsItsTableInThePlayersOwnFolder) {
    // Beside the program when its folder takes new files; else in the player's folder, which
    // starts as a copy of the table shipped beside the program.
    const std::string shipped = fake.path("Config.cfg");
    const std::string own = fake.userDataFolder() + "/Config.cfg";
    fake.files[shipped] =
        encodeHighScoreFile({0, 90, 80, 70, 60, 50}, {"", "A", "B", "C", "D", "E"});
    for (bool installed : {false, true}) {
        SCOPED_TRACE(installed ? "installed" : "portable");
        FakePlatform f;
        modGeneral g(f);
        f.files[shipped] = fake.files[shipped];
        if (installed) {
            f.readOnlyFolders.insert(f.programFolder());
        }
        const std::string where = installed ? own : shipped;
        EXPECT_EQ(g.highScorePath(), where);
        g.CheckHighScore(85);
        EXPECT_EQ(f.replaced, std::vector<std::string>{where});
        EXPECT_EQ(f.lockLog, (std::vector<std::string>{"lock " + where + ".lock",
                                                       "unlock " + where + ".lock"}));
        g.LoadHighScores();
        EXPECT_EQ(g.intHighScore, (HighScores{0, 90, 85, 80, 70, 60}));
        EXPECT_EQ(f.files[shipped] == fake.files[shipped], installed);
    }
}

TEST_F(HighScoresTest, AnEntryGoesIntoTheTableAsItIsOnDiskWhenItIsSaved) {
    // Another copy of the game stored a better table while the name was typed: nothing of it
    // is lost, and the new entry takes its place in it.
    const std::string path = fake.path("Config.cfg");
    fake.files[path] = encodeHighScoreFile({0, 50, 40, 30, 20, 10}, {"", "A", "B", "C", "D", "E"});
    fake.duringBox = [&](const FakePlatform::Box& box) {
        if (box.input) {
            fake.files[path] =
                encodeHighScoreFile({0, 500, 400, 300, 200, 100}, {"", "V", "W", "X", "Y", "Z"});
        }
    };
    fake.inputAnswers.push_back("Me");
    game.CheckHighScore(350);
    auto [scores, names] = storedTable();
    EXPECT_EQ(scores, (HighScores{0, 500, 400, 350, 300, 200}));
    EXPECT_EQ(names, (HighNames{"", "V", "W", "Me", "X", "Y"}));
    EXPECT_EQ(fake.boxes.back().title, "Fitzel! - Player Name.");  // no first-place message
}

TEST_F(HighScoresTest, ALockThatCannotBeTakenIsReportedAndNothingIsWritten) {
    // Two copies never write at once: without the lock the table is left as it is.
    fake.lockFault = "Another copy of Fitzel! is saving its scores";
    game.CheckHighScore(10);
    EXPECT_TRUE(fake.replaced.empty());
    ASSERT_FALSE(fake.boxes.empty());
    EXPECT_NE(fake.boxes.back().text.find(fake.lockFault), std::string::npos);
    EXPECT_EQ(fake.scoresWindowShown, 1);
}

}  // namespace
}  // namespace fitzel::test
