// Console output: CP437 texts reach the console as UTF-8, characters take their field width,
// and nothing but text reaches a console that is not a terminal.

#include <gtest/gtest.h>

#include <string>

#include "platform/cp437.h"
#include "platform/crt.h"
#include "tests/console/capture.h"

namespace {

TEST(ConsoleOutput, WritesCp437TextsAsUtf8) {
    const struct {
        unsigned char byte;
        std::string shown;
    } cases[] = {{'A', "A"}, {0x7E, "~"}, {0x81, "ü"}, {0x82, "é"}, {0x94, "ö"}, {0x99, "Ö"}, {0x90, "É"},
                 {0xA0, "á"}, {0xA1, "í"}, {0xA2, "ó"}, {0xA3, "ú"}, {0xB3, "│"}, {0xE3, "π"}, {0xFF, "\u00A0"}};
    for (const auto& c : cases) {
        const char byte = char(c.byte);
        EXPECT_EQ(console_output_of([&] {
                      crt::Write({&byte, 1});
                      crt::WriteLn();
                  }),
                  c.shown + "\n")
            << int(c.byte);
    }
}

TEST(ConsoleOutput, TextLiteralsAreConvertedWhileCompiling) {
    constexpr std::string_view text = "Négyzetgyök fv"_cp437;
    EXPECT_EQ(text, "N\x82gyzetgy\x94k fv");
    EXPECT_EQ(console_output_of([&] {
                  crt::Write(text);
                  crt::WriteLn();
              }),
              "Négyzetgyök fv\n");
}

TEST(ConsoleOutput, ACharacterWithAWidthFollowsItsBlanks) {
    EXPECT_EQ(console_output_of([] {
                  crt::WriteChar('.', 3);
                  crt::WriteChar('x');
                  crt::WriteChar('y', 1);
                  crt::WriteLn();
              }),
              "  .xy\n");
}

TEST(ConsoleOutput, ClearingAConsoleThatIsNoTerminalWritesNothing) {
    EXPECT_EQ(console_output_of([] {
                  crt::ClrScr();
                  crt::WriteInt(-12, 4);
                  crt::WriteReal(0.125, 6, 1);
                  crt::WriteLn();
              }),
              " -12   0.1\n");
}

}  // namespace
