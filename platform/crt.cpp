#include "platform/crt.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/cp437.h"
#include "platform/numfmt.h"
#include "platform/terminal.h"

// Escape sequences written and read:
//   ESC [ H ESC [ 2 J    cursor home, clear the whole screen (ClrScr)
//   ESC [ ... final      a CSI key: arrows, Home/End, Insert/Delete, Page Up/Down, F5 and up
//   ESC O x              an SS3 key: F1-F4, arrows in application mode
//   ESC [ [ x            the Linux console's F1-F5
//   ESC x                Alt together with the key x

namespace crt {
namespace {

constexpr std::string_view kClearScreen = "\x1b[H\x1b[2J";
constexpr int kKeyTailMillis = 30;  // how long the rest of a multi-byte key may lag behind its first byte

bool opened = false;
bool output_is_terminal = false;
bool write_failed = false;

char out[4096];
std::size_t out_length = 0;

unsigned char in[256];
std::size_t in_begin = 0;
std::size_t in_end = 0;
bool input_ended = false;

const char* failure_reason(int error) {
    switch (error) {
        case EPIPE: return "a kimenetet olvasó program már nem fogad adatot";
        case ENOSPC: return "a kimenet eszköze megtelt";
        case EIO: return "a terminál már nem érhető el";
        case EBADF: return "a szabványos kimenet le van zárva";
        default: return std::strerror(error);
    }
}

[[gnu::noinline]] void flush() {
    if (write_failed || out_length == 0) return;
    const bool written = rt::write_all(STDOUT_FILENO, {out, out_length});
    out_length = 0;
    if (!written) {
        const int error = errno;
        write_failed = true;
        char text[200];
        std::snprintf(text, sizeof text, "nem sikerült a konzolra írni (%s)", failure_reason(error));
        rt::run_error(rt::kConsoleWrite, __builtin_return_address(0), text);
    }
}

// Before a run-time error report: what was written reaches the console, if it still can.
void flush_before_report() {
    if (!write_failed && out_length > 0) rt::write_all(STDOUT_FILENO, {out, out_length});
    out_length = 0;
}

void finish() { flush(); }

void open() {
    if (opened) return;
    opened = true;
    std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is reported by the failing write instead
    output_is_terminal = isatty(STDOUT_FILENO);
    terminal::take();
    rt::at_run_error(flush_before_report);
    std::atexit(finish);  // registered after the terminal's restore, so it runs before it
}

void put_byte(unsigned char byte) {
    char utf8[3];
    const std::size_t length = cp437::to_utf8(byte, utf8);
    if (out_length + length > sizeof out) flush();
    std::memcpy(out + out_length, utf8, length);
    out_length += length;
}

void put(std::string_view text) {
    open();
    for (const char c : text) put_byte(static_cast<unsigned char>(c));
}

// The next input byte, or -1 at end of input. Without wait, only a byte that arrives within
// kKeyTailMillis counts.
int next_byte(bool wait) {
    if (in_begin == in_end) {
        if (input_ended) return -1;
        if (!wait) {
            struct pollfd ready = {STDIN_FILENO, POLLIN, 0};
            if (poll(&ready, 1, kKeyTailMillis) <= 0) return -1;
        }
        ssize_t got;
        do got = ::read(STDIN_FILENO, in, sizeof in);
        while (got < 0 && errno == EINTR);
        if (got <= 0) {
            input_ended = true;  // end of file, a closed descriptor or a terminal that went away
            return -1;
        }
        in_begin = 0;
        in_end = std::size_t(got);
    }
    return in[in_begin++];
}

// Takes back the byte just read, so that it starts the next key.
void unread() { --in_begin; }

void skip_utf8_continuations() {
    for (int byte; (byte = next_byte(false)) >= 0;)
        if ((byte & 0xC0) != 0x80) return unread();
}

// After ESC [ : parameters and intermediates up to the final byte.
void skip_csi() {
    int byte = next_byte(false);
    if (byte == '[') byte = next_byte(false);  // ESC [ [ x
    else
        while (byte >= 0x20 && byte <= 0x3F) byte = next_byte(false);
}

// Reads the bytes of one key press from a terminal; returns the character it stands for.
char read_terminal_key() {
    const int first = next_byte(true);
    if (first < 0) return 0;
    if (first == 0x1B) {
        const int second = next_byte(false);
        if (second == '[') skip_csi();
        else if (second == 'O') next_byte(false);
        else if (second == 0x1B) unread();  // two Esc presses in a row
        return 0x1B;
    }
    if (first >= 0xC0) {  // the lead byte of a UTF-8 character: decode it to CP437
        char32_t code_point = char32_t(first & (first >= 0xF0 ? 0x07 : first >= 0xE0 ? 0x0F : 0x1F));
        int byte;
        while ((byte = next_byte(false)) >= 0 && (byte & 0xC0) == 0x80) code_point = (code_point << 6) | char32_t(byte & 0x3F);
        if (byte >= 0) unread();
        const int code = cp437::from_unicode(code_point);
        return char(code < 0 ? '?' : code);
    }
    if (first >= 0x80) skip_utf8_continuations();
    return char(first);
}

}  // namespace

void ClrScr() {
    open();
    if (output_is_terminal) put(kClearScreen);
    flush();
}

char ReadKey() {
    open();
    flush();
    if (!terminal::input_is_terminal()) {
        const int byte = next_byte(true);  // a pipe or a file: every byte is a key
        return char(byte < 0 ? 0 : byte);
    }
    return read_terminal_key();
}

void Write(std::string_view text) { put(text); }

void WriteChar(char c, int width) {
    for (int i = 1; i < width; ++i) put(" ");
    put({&c, 1});
    if (c == '\n') flush();
}

void WriteInt(long long value, int width) { put(numfmt::integer(value, width)); }

void WriteReal(rt::Real value, int width, int decimals) { put(numfmt::fixed(value, width, decimals)); }

void WriteLn() {
    put("\n");
    flush();
}

}  // namespace crt
