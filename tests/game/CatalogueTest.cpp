// Reading the piece catalogue and the pictures, and ending the program when they are missing.
#include "GameFixture.h"

namespace fitzel::test {
namespace {

using CatalogueTest = GameTest;

TEST_F(CatalogueTest, ReadsThirtyFiveLinesWhateverTheirEndsAndShowsEachPieceWaiting) {
    // Lines end at CR LF, CR or LF; lines past the 35th are never used.
    std::string file;
    const char* ends[] = {"\r\n", "\r", "\n"};
    std::vector<std::string> expected(36);
    for (int k = 1; k <= 38; ++k) {
        std::string line = k == 4 ? "" : k == 5 ? "0000100001234 tail" : "1" + std::to_string(k);
        if (k <= 35)
            expected[k] = line;
        file += line + ends[k % 3];
    }
    fake.files[fake.path("Shapes.dat")] = file;
    game.LoadShapes();
    for (int k = 1; k <= 35; ++k) {
        EXPECT_EQ(game.strShapes[k], expected[k]) << k;
        EXPECT_EQ(fake.strip[k].path, fake.path(pictureName(k)));
        EXPECT_EQ(fake.strip[k].cell, kWaiting);
    }
    EXPECT_EQ(fake.strip[9].path, "/fitzel/09.bmp");
    EXPECT_EQ(fake.strip[10].path, "/fitzel/10.bmp");
    EXPECT_EQ(fake.stripLog.size(), 35u);
}

TEST_F(CatalogueTest, ALastLineWithoutEndAndBlankLinesCount) {
    // An unterminated last line is a line; "\n\r" is two line ends around an empty line.
    std::string file = "a\n\rb\r\n";
    for (int k = 4; k <= 34; ++k)
        file += "x\r\n";
    file += "last";
    fake.files[fake.path("Shapes.dat")] = file;
    game.LoadShapes();
    EXPECT_EQ(game.strShapes[1], "a");
    EXPECT_EQ(game.strShapes[2], "");
    EXPECT_EQ(game.strShapes[3], "b");
    EXPECT_EQ(game.strShapes[35], "last");
}

TEST_F(CatalogueTest, MissingOrShortShapeFileEndsTheProgram) {
    // Without 35 lines the catalogue cannot be built and the program ends naming the file.
    std::string lines34;
    for (int k = 1; k <= 34; ++k)
        lines34 += kSingle + "\r\n";
    struct Case {
        const char* what;
        bool present, readable;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"missing", false, true, ""},
        {"unreadable", true, false, std::string(400, '0')},
        {"34 lines", true, true, lines34},
        {"34 lines, the last unterminated", true, true, lines34.substr(0, lines34.size() - 2)},
        {"empty", true, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePlatform f;
        modGeneral g(f);
        f.attach(&g);
        for (int k = 1; k <= 35; ++k)
            f.files[f.path(pictureName(k))] = "BM";
        if (c.present)
            f.files[f.path("Shapes.dat")] = c.bytes;
        if (!c.readable)
            f.unreadable.insert(f.path("Shapes.dat"));
        try {
            g.LoadShapes();
            ADD_FAILURE() << "LoadShapes returned";
        } catch (const FatalError& e) {
            EXPECT_TRUE(e.file == "Shapes.dat" || e.file == f.path("Shapes.dat")) << e.file;
            EXPECT_FALSE(e.fault.empty());
        }
    }
}

TEST_F(CatalogueTest, APictureThatCannotBeShownEndsTheProgramNamingIt) {
    // A missing or unreadable picture ends the program at the first moment it is needed.
    struct Case {
        std::string file;
        bool missing;  // else unreadable
        bool atStartUp;
    };
    const std::vector<Case> cases = {
        {"09.bmp", true, true},        {"35.bmp", false, true},
        {"10.bmp", true, false},       {"GridEmpty.bmp", true, false},
        {"EGEmpty.bmp", false, false}, {"EGFilled.bmp", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        FakePlatform f;
        modGeneral g(f);
        f.attach(&g);
        f.files = fake.files;
        if (!c.atStartUp) {
            g.LoadShapes();
        }
        if (c.missing) {
            f.files.erase(f.path(c.file));
        } else {
            f.unreadable.insert(f.path(c.file));
        }
        try {
            if (c.atStartUp) {
                g.LoadShapes();
            } else {
                g.NewGame();
            }
            ADD_FAILURE() << "returned";
        } catch (const FatalError& e) {
            EXPECT_TRUE(e.file == c.file || e.file == f.path(c.file)) << e.file;
        }
    }
}

}  // namespace
}  // namespace fitzel::test
