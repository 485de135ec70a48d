// Command-line helper for the end-to-end scripts: reads, writes and spoils settings files.
//
//   settings_tool decode FILE           prints the file's 22 lines, one per line, in UTF-8;
//                                       exits 1 unless the file begins with 22 lines, each
//                                       ended by CR LF; bytes after line 22 are ignored,
//                                       as the game ignores them
//   settings_tool encode FILE           writes FILE from UTF-8 lines on stdin (as stored:
//                                       Windows-1251, CR LF after each, every byte complemented)
// Both sides write a control character as \xNN and a backslash as \\, so that
// lines with NUL or other control bytes pass through a shell unharmed.
//   settings_tool noise FILE COUNT SEED writes COUNT pseudo-random bytes (repeatable per SEED)
#include "rules/cp1251.h"
#include "storage/settings_file.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>

namespace {

int Usage() {
    std::cerr << "usage: settings_tool decode FILE | encode FILE | noise FILE COUNT SEED\n";
    return 2;
}

bool ReadAll(const char* path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteAll(const char* path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Control bytes as \xNN, a backslash doubled.
std::string Escape(const std::string& utf8) {
    std::string out;
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        } else {
            if (c == '\\') out += '\\';
            out += c;
        }
    }
    return out;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            out += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

int Decode(const char* path) {
    std::string bytes;
    if (!ReadAll(path, bytes)) {
        std::cerr << "cannot read " << path << '\n';
        return 1;
    }
    const std::string text = duel::UnCode(bytes);
    std::size_t start = 0;
    for (int line = 1; line <= duel::kSettingsLineCount; ++line) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            std::cerr << "the file ends before line " << line << " is complete\n";
            return 1;
        }
        const std::string value = text.substr(start, end - start);
        if (value.find_first_of("\r\n") != std::string::npos) {
            std::cerr << "line " << line << " holds a stray CR or LF\n";
            return 1;
        }
        std::cout << Escape(duel::Cp1251ToUtf8(value)) << '\n';
        start = end + 2;
    }
    if (start < text.size()) std::cerr << "note: " << text.size() - start << " bytes after line 22\n";
    return 0;
}

int Encode(const char* path) {
    std::string text;
    for (std::string line; std::getline(std::cin, line);) {
        text += duel::Utf8ToCp1251(Unescape(line));
        text += "\r\n";
    }
    return WriteAll(path, duel::EnCode(text)) ? 0 : 1;
}

int Noise(const char* path, const std::string& count, const std::string& seed) {
    std::mt19937 generator(static_cast<std::uint32_t>(std::stoul(seed)));
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(std::stoul(count), '\0');
    for (char& b : bytes) b = static_cast<char>(byte(generator));
    return WriteAll(path, bytes) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string command = argv[1];
    if (command == "decode" && argc == 3) return Decode(argv[2]);
    if (command == "encode" && argc == 3) return Encode(argv[2]);
    if (command == "noise" && argc == 5) return Noise(argv[2], argv[3], argv[4]);
    return Usage();
}
