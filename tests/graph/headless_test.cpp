// The headless twin: scripted keys, the wait hook, and PNG files of the picture.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "tests/graph/picture.h"

namespace {

using namespace graph;
using namespace graph_test;

std::vector<int> pictures_seen;  // at each wait, the colour of pixel (0, 0)

void note_picture(int wait_number) {
    EXPECT_EQ(wait_number, int(pictures_seen.size()) + 1);
    pictures_seen.push_back(headless::pixel(0, 0));
}

// A program with three waits, each after a picture of its own.
void three_waits() {
    Integer driver = 0, mode = 0;
    InitGraph(driver, mode, "");
    std::vector<int> keys;
    for (int colour : {4, 5, 6}) {
        PutPixel(0, 0, colour);
        keys.push_back(static_cast<unsigned char>(wincrt::ReadKey()));
    }
    CloseGraph();
    EXPECT_EQ(keys, (std::vector<int>{'a', 0, 72}));
}

TEST(Headless, ScriptedKeysEndTheWaitsInOrderAndTheHookSeesEachPicture) {
    headless::reset();
    pictures_seen.clear();
    headless::queue_keys(std::string_view("a\0H", 3));  // 'a', then Up as its two characters
    headless::on_wait(note_picture);
    EXPECT_EQ(run_program(three_waits), 0);
    EXPECT_EQ(pictures_seen, (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(headless::wait_count(), 3);
}

TEST(Headless, AUsedUpScriptEndsEveryWaitWithEnter) {
    headless::reset();
    headless::queue_keys("x");
    EXPECT_EQ(wincrt::ReadKey(), 'x');
    EXPECT_EQ(wincrt::ReadKey(), 13);
    EXPECT_EQ(wincrt::ReadKey(), 13);
    headless::queue_keys("y");
    EXPECT_EQ(wincrt::ReadKey(), 'y');
    EXPECT_EQ(headless::wait_count(), 4);
    headless::reset();
    EXPECT_EQ(headless::wait_count(), 0);
    EXPECT_EQ(wincrt::ReadKey(), 13);
}

class Png : public ::testing::Test {
protected:
    void SetUp() override {
        open_screen();
        char pattern[] = "/tmp/graph_png_XXXXXX";
        const int fd = mkstemp(pattern);
        ASSERT_GE(fd, 0);
        close(fd);
        path_ = pattern;
    }
    void TearDown() override { unlink(path_.c_str()); }
    std::string path_;
};

TEST_F(Png, EveryColourComesBackFromTheFile) {
    for (int colour = 0; colour < 16; ++colour) {
        SetFillStyle(1, colour);
        Bar(colour * 40, 0, colour * 40 + 39, 479);
    }
    SetColor(15);
    OutTextXY(3, 3, "ok");
    const std::vector<std::uint8_t> drawn(headless::framebuffer(), headless::framebuffer() + 640 * 480);
    ASSERT_TRUE(headless::write_png(path_.c_str()));
    EXPECT_EQ(headless::read_png(path_.c_str()), drawn);
}

TEST_F(Png, AFileThatIsNoPictureOfTheScreenReadsAsNothing) {
    EXPECT_TRUE(headless::read_png(path_.c_str()).empty());  // empty file
    EXPECT_TRUE(headless::read_png("/nonexistent/picture.png").empty());
    EXPECT_FALSE(headless::write_png("/nonexistent/picture.png"));
}

}  // namespace
