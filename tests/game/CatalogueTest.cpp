// Reading the piece catalogue and the pictures, and ending the program when they are missing.
#include "GameFixture.h"

namespace fitzel::test {
namespace {

using CatalogueTest = GameTest;

TEST_F(CatalogueTest, ReadsTheFirstThirtyFiveLinesWhateverTheirEnds) {
    // Lines end at CR LF, CR or LF; the last may lack one; lines past the 35th are unused.
    const auto line = [](int k) {
        return k == 4 ? "" : k == 5 ? "0000100001234 tail" : "1" + std::to_string(k);
    };
    const char* ends[] = {"\n", "\r", "\r\n"};
    std::string file;
    for (int k = 1; k <= 35; ++k) {
        file += line(k) + (k < 35 ? ends[k % 3] : "");
    }
    for (const std::string& bytes : {file, file + "\r\n36\r37\n38"}) {
        fake.files[fake.path("Shapes.dat")] = bytes;
        fake.stripLog.clear();
        game.LoadShapes();
        for (int k = 1; k <= 35; ++k) {
            EXPECT_EQ(game.strShapes[k], line(k)) << k;
            EXPECT_EQ(fake.strip[k].path, fake.path(pictureName(k)));
            EXPECT_EQ(fake.strip[k].cell, kWaiting);
        }
        EXPECT_EQ(fake.stripLog.size(), 35u);
    }
    EXPECT_EQ(fake.strip[9].path, "/fitzel/09.bmp");
    EXPECT_EQ(fake.strip[10].path, "/fitzel/10.bmp");
}

TEST(Catalogue, AMissingOrShortFileEndsTheProgramNamingIt) {
    // Without 35 lines or a picture the game cannot go on: it ends when the file is needed.
    enum Spoil { Missing, Unreadable, Written };
    struct Case {
        std::string file;
        Spoil spoil;
        std::string bytes;
        bool atStartUp;
    };
    std::string lines34;
    for (int k = 1; k <= 34; ++k) {
        lines34 += kSingle + "\r\n";
    }
    const std::vector<Case> cases = {
        {"Shapes.dat", Missing, "", true},
        {"Shapes.dat", Unreadable, "", true},
        {"Shapes.dat", Written, lines34, true},
        {"Shapes.dat", Written, lines34.substr(0, lines34.size() - 2), true},
        {"Shapes.dat", Written, "", true},
        {"09.bmp", Missing, "", true},
        {"35.bmp", Unreadable, "", true},
        {"10.bmp", Missing, "", false},
        {"GridEmpty.bmp", Missing, "", false},
        {"EGEmpty.bmp", Unreadable, "", false},
        {"EGFilled.bmp", Missing, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + " " + std::to_string(c.spoil) + " " + std::to_string(c.bytes.size()));
        Program p;
        if (!c.atStartUp) {
            p.game.LoadShapes();
        }
        const std::string path = p.fake.path(c.file);
        if (c.spoil == Missing) {
            p.fake.files.erase(path);
        } else if (c.spoil == Unreadable) {
            p.fake.unreadable.insert(path);
        } else {
            p.fake.files[path] = c.bytes;
        }
        try {
            c.atStartUp ? p.game.LoadShapes() : p.game.NewGame();
            ADD_FAILURE() << "the game went on";
        } catch (const FatalError& e) {
            EXPECT_TRUE(e.file == c.file || e.file == path) << e.file;
            EXPECT_FALSE(e.fault.empty());
        }
    }
}

}  // namespace
}  // namespace fitzel::test
