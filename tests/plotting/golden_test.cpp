// Whole screens: the picture of both programs at each of their twelve waits, pixel for pixel
// against the golden pictures in tests/plotting/golden (reviewed by eye when they were made
// with make_pictures), and the README's pictures in docs/ against the same screens.
#include <map>
#include <string>

#include "platform/cp437.h"
#include "platform/graph/headless.h"
#include "plotting/screen.h"
#include "tests/plotting/screen.h"
#include "tests/plotting/screens.h"

namespace {

using namespace plotting_tests;

const std::vector<Picture>& screens_of(const std::string& program) {
    static std::map<std::string, std::vector<Picture>> screens;
    auto found = screens.find(program);
    if (found == screens.end()) found = screens.emplace(program, screens_at_waits(settings_of(program))).first;
    return found->second;
}

// Where two pictures differ: none, or how many pixels and the first of them.
testing::AssertionResult SamePicture(const Picture& expected, const Picture& actual) {
    if (expected.size() != actual.size()) return testing::AssertionFailure() << "no picture of 640 × 480";
    int differing = 0;
    std::size_t first = 0;
    for (std::size_t i = 0; i < actual.size(); ++i)
        if (expected[i] != actual[i] && differing++ == 0) first = i;
    if (differing == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << differing << " pixels differ, the first at (" << first % 640 << ", "
                                       << first / 640 << "): " << int(actual[first]) << " where "
                                       << int(expected[first]) << " was expected";
}

struct Wait {
    const char* program;
    int wait;
    const char* shows;
};

// What each golden picture shows. quadplot: the stage's title, panels yellow, green, light
// cyan and brown; quadsketch: "Rajzoló program", panels red, blue, green and yellow, the
// axes alone in each panel. Panel 4 is an empty frame with its label throughout.
const Wait waits[] = {
    {"quadplot", 1, "Sin fv: the sine's 63 points in panel 1"},
    {"quadplot", 2, "Sin fv: the points, and the sine's polyline in panel 2"},
    {"quadplot", 3, "Sin fv: the points, the polyline, and 63 bars of three columns above and below the axis in panel 3"},
    {"quadplot", 4, "Cos fv: the cosine's points, the first on the plot area's last row below the frame"},
    {"quadplot", 5, "Cos fv: the points and the polyline"},
    {"quadplot", 6, "Cos fv: the points, the polyline and the bars"},
    {"quadplot", 7, "Négyzetgyök fv: 100 points, the axes on column 0 and row 218, the last point clipped"},
    {"quadplot", 8, "Négyzetgyök fv: the points and the polyline, cut at the plot area's last column"},
    {"quadplot", 9, "Négyzetgyök fv: the points, the polyline and 100 one-column bars down to row 217"},
    {"quadplot", 10, "Konstans fv: 151 points on row 139, the vertical axis on column 153"},
    {"quadplot", 11, "Konstans fv: the points and one horizontal line on row 139"},
    {"quadplot", 12, "Konstans fv: the points, the line and 151 one-column bars from row 139 to 197"},
    {"quadsketch", 1, "the sine's axes in panel 1"},
    {"quadsketch", 2, "the sine's axes in panels 1 and 2"},
    {"quadsketch", 3, "the sine's axes in panels 1 to 3"},
    {"quadsketch", 4, "the cosine's axes in panel 1"},
    {"quadsketch", 5, "the cosine's axes in panels 1 and 2"},
    {"quadsketch", 6, "the cosine's axes in panels 1 to 3"},
    {"quadsketch", 7, "the square root's axes in panel 1, on the plot area's left column and last row"},
    {"quadsketch", 8, "the square root's axes in panels 1 and 2"},
    {"quadsketch", 9, "the square root's axes in panels 1 to 3"},
    {"quadsketch", 10, "the constant's axes in panel 1, crossing at column 153, row 198"},
    {"quadsketch", 11, "the constant's axes in panels 1 and 2"},
    {"quadsketch", 12, "the constant's axes in panels 1 to 3"},
};

class Screen : public testing::TestWithParam<Wait> {};

TEST_P(Screen, MatchesItsGoldenPicture) {
    const Wait& w = GetParam();
    const auto& screens = screens_of(w.program);
    ASSERT_EQ(screens.size(), 12u);
    const auto path = golden_path(w.program, w.wait);
    EXPECT_TRUE(SamePicture(graph::headless::read_png(path.c_str()), screens[w.wait - 1]))
        << path << " (" << w.shows << ")";
}

INSTANTIATE_TEST_SUITE_P(Plotting, Screen, testing::ValuesIn(waits), [](const auto& info) {
    return std::string(info.param.program) + "_wait_" + std::to_string(info.param.wait);
});

// Each stage starts on a freshly laid-out screen, and each wait adds one panel's plot: between
// one picture and the one before it (or the empty layout), only the plot area of panel 1, 2
// or 3 in turn differs, and panel 4 never changes.
TEST(Screens, EachWaitAddsOnePanelToAFreshLayout) {
    const std::string_view titles[4] = {"Sin fv", "Cos fv", "Négyzetgyök fv"_cp437, "Konstans fv"};
    for (const char* program : {"quadplot", "quadsketch"}) {
        const auto& screens = screens_of(program);
        ASSERT_EQ(screens.size(), 12u);
        for (int wait = 1; wait <= 12; ++wait) {
            SCOPED_TRACE(testing::Message() << program << " wait " << wait);
            const int k = (wait - 1) % 3 + 1;  // the panel drawn just before this wait
            Picture previous = k > 1 ? screens[wait - 2] : Picture{};
            if (k == 1) {
                graph::headless::reset();
                plotting::program = settings_of(program);
                plotting::INIC(titles[(wait - 1) / 3]);
                previous = picture();
                graph::CloseGraph();
            }
            const plotting::TABLAK& A = plotting::A[k];
            for (int y = 0; y < 480; ++y) {
                for (int x = 0; x < 640; ++x) {
                    const bool in_plot_area = x >= A.BF.X + 2 && x <= A.JA.X - 2 && y >= A.BF.Y + 10 && y <= A.JA.Y + 1;
                    if (!in_plot_area) {
                        ASSERT_EQ(screens[wait - 1][y * 640 + x], previous[y * 640 + x]) << "at (" << x << ", " << y << ")";
                    }
                }
            }
        }
    }
}

TEST(Docs, PicturesAreTheProgramsScreens) {
    for (const DocsPicture& picture : docs_pictures) {
        const std::string path = std::string(PLOTTING_SOURCE_DIR) + "/" + picture.file;
        EXPECT_TRUE(SamePicture(graph::headless::read_png(path.c_str()), screens_of(picture.program)[picture.wait - 1]))
            << path << " no longer shows what " << picture.program << " draws at wait " << picture.wait
            << "; make_pictures redraws it";
    }
}

}  // namespace
