// Reading the piece catalogue and the pictures, and ending the program when they are missing.
#include "GameFixture.h"

namespace fitzel::test {

TEST(Catalogue, ReadsTheFirstThirtyFiveLinesWhateverTheirEnds) {
    // The first 35 lines are the shapes, whether they end at CR LF, CR, LF or the file's end.
    const auto line = [](int k) { return k == 4 ? "" : "0000100001234 " + std::to_string(k); };
    std::string file;
    for (int k = 1; k <= 35; ++k)
        file += line(k) + (k == 35 ? "" : k % 3 == 0 ? "\n" : k % 3 == 1 ? "\r" : "\r\n");
    for (const std::string& bytes : {file, file + "\r\n36\r37\n38"}) {
        Program p;
        p.fake.files[p.fake.path("Shapes.dat")] = bytes;
        p.game.LoadShapes();
        for (int k = 1; k <= 35; ++k)
            EXPECT_EQ(p.game.state().strShapes[k], line(k)) << k;
    }
}

TEST(Catalogue, AMissingOrShortFileEndsTheProgramNamingIt) {
    // Without 35 lines or a picture the program ends, at start-up or File > New, naming the file.
    const std::vector<std::pair<std::string, std::string>> cases = {
        // each file and what is wrong with it: "" missing, "?" unreadable, else its bytes
        {"Shapes.dat", ""},   {"Shapes.dat", "?"},  {"Shapes.dat", std::string(34, '\r')},
        {"09.bmp", ""},       {"35.bmp", "?"},      {"GridEmpty.bmp", ""},
        {"EGEmpty.bmp", "?"}, {"EGFilled.bmp", ""},
    };
    for (const auto& [file, spoil] : cases) {
        Program p;
        const std::string path = p.fake.path(file);
        if (spoil.empty())
            p.fake.files.erase(path);
        else if (spoil == "?")
            p.fake.unreadable.insert(path);
        else
            p.fake.files[path] = spoil;
        try {
            p.start(1);
            ADD_FAILURE() << "the game went on without " << file;
        } catch (const FatalError& e) {
            EXPECT_EQ(e.file, path);
            EXPECT_FALSE(e.fault.empty());
        }
    }
}

}  // namespace fitzel::test
