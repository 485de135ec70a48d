// Reading and writing the settings file, and the small rules around it.
#include "rules/settings_file.h"

#include "rules/cp1251.h"
#include "rules/records_table.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <exception>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace duel {
namespace {

namespace fs = std::filesystem;

constexpr auto kMaxSettingsBytes = static_cast<std::streamsize>(kMaxSettingsFileBytes);

enum class Kind {
    Text,      // a string; empty takes the default
    Name,      // a string; empty is kept (an empty name is a valid entry)
    Number,    // a 32-bit integer of GameState
    MainLeft,  // a 32-bit integer handed back to the caller
    MainTop,
};

struct Field {
    Kind kind;
    std::string GameState::*text = nullptr;
    int32_t GameState::*number = nullptr;
};

constexpr Field TextField(std::string GameState::*m) { return {Kind::Text, m, nullptr}; }
constexpr Field NameField(std::string GameState::*m) { return {Kind::Name, m, nullptr}; }
constexpr Field NumberField(int32_t GameState::*m) { return {Kind::Number, nullptr, m}; }

// The lines of the file, in order.
constexpr std::array<Field, kSettingsLineCount> kFields = {{
    TextField(&GameState::recTime1),
    TextField(&GameState::recTime2),
    TextField(&GameState::recTime3),
    TextField(&GameState::lastCompTime),
    TextField(&GameState::lastUserTime),
    TextField(&GameState::galleryChoice),
    {Kind::MainLeft},
    {Kind::MainTop},
    NumberField(&GameState::keypadDock),
    NameField(&GameState::recName1),
    NameField(&GameState::recName2),
    NameField(&GameState::recName3),
    NumberField(&GameState::recTries1),
    NumberField(&GameState::recTries2),
    NumberField(&GameState::recTries3),
    TextField(&GameState::recNumber1),
    TextField(&GameState::recNumber2),
    TextField(&GameState::recNumber3),
    TextField(&GameState::lastCompTries),
    TextField(&GameState::lastUserTries),
    TextField(&GameState::lastCompNumber),
    TextField(&GameState::lastUserNumber),
}};

GameState DefaultSettings() {
    GameState defaults;
    ResetRecords(defaults);
    defaults.galleryChoice = "01";
    defaults.keypadDock = 2;
    return defaults;
}

std::string FormatNumber(int32_t value) {
    const std::string digits = std::to_string(value);
    return value < 0 ? digits + ' ' : ' ' + digits + ' ';
}

// Whether reading takes `line` (Windows-1251 bytes) as the value of a string
// field: names may be empty, other strings may not; both have a length limit.
bool AcceptsString(Kind kind, std::string_view line) {
    return (kind == Kind::Name || !line.empty()) && line.size() <= kMaxStoredTextLength;
}

// The line written for a string field: its Windows-1251 bytes, or its
// default's when reading would not take them back.
std::string FormatString(const Field& field, const GameState& state, const GameState& defaults) {
    const auto bytesOf = [](const std::string& utf8) {
        std::string bytes = Utf8ToCp1251(utf8);
        std::replace_if(
            bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; }, kCp1251Replacement);
        return bytes;
    };
    std::string bytes = bytesOf(state.*field.text);
    return AcceptsString(field.kind, bytes) ? bytes : bytesOf(defaults.*field.text);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A decimal 32-bit integer with optional blanks around it.
std::optional<int32_t> ParseNumber(std::string_view line) {
    const auto first = std::find_if_not(line.begin(), line.end(), IsBlank);
    const char* begin = line.data() + (first - line.begin());
    const char* end = line.data() + line.size();
    int32_t value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc{} || !std::all_of(stop, end, IsBlank)) {
        return std::nullopt;
    }
    return value;
}

// Up to `limit` lines; CR LF, LF and CR each end a line.
std::vector<std::string_view> SplitLines(std::string_view text, std::size_t limit) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < limit) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == '\r') {
            ++start;
        }
        if (start < text.size() && text[start] == '\n') {  // LF alone or after CR
            ++start;
        }
    }
    return lines;
}

// Reads one line into its field; true when the value was usable.
bool ReadField(const Field& field, std::optional<std::string_view> line, GameState& state, const GameState& defaults,
               SettingsRead& read) {
    switch (field.kind) {
        case Kind::Text:
        case Kind::Name: {
            const bool usable = line && AcceptsString(field.kind, *line);
            state.*field.text = usable ? Cp1251ToUtf8(*line) : defaults.*field.text;
            return usable;
        }
        case Kind::Number: {
            const auto value = line ? ParseNumber(*line) : std::nullopt;
            state.*field.number = value.value_or(defaults.*field.number);
            return value.has_value();
        }
        case Kind::MainLeft:
            read.mainLeftTwips = line ? ParseNumber(*line) : std::nullopt;
            return read.mainLeftTwips.has_value();
        case Kind::MainTop:
            read.mainTopTwips = line ? ParseNumber(*line) : std::nullopt;
            return read.mainTopTwips.has_value();
    }
    return false;
}

std::optional<std::string> ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(kMaxSettingsBytes), '\0');
    in.read(bytes.data(), kMaxSettingsBytes);
    if (in.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The existing settings files, the preferred one first: newest first, and
// among equally new files the earlier folder first.
std::vector<fs::path> FilesByPreference(const std::vector<fs::path>& folders) {
    struct Candidate {
        fs::path path;
        fs::file_time_type time;
    };
    std::vector<Candidate> found;
    for (const fs::path& folder : folders) {
        if (folder.empty()) {
            continue;
        }
        std::error_code error;
        fs::path path = SettingsFilePath(folder);
        if (!fs::is_regular_file(path, error)) {
            continue;
        }
        const fs::file_time_type time = fs::last_write_time(path, error);
        found.push_back({std::move(path), error ? fs::file_time_type::min() : time});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Candidate& a, const Candidate& b) { return a.time > b.time; });
    std::vector<fs::path> paths;
    for (Candidate& candidate : found) {
        paths.push_back(std::move(candidate.path));
    }
    return paths;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A temporary file of our own: the stem alone, or the stem, a dot and six
// characters (what mkstemp puts in place of XXXXXX).
bool IsOurTemporaryName(const std::string& name) {
    const std::string_view stem = kSettingsTemporaryStem;
    if (name == stem) {
        return true;
    }
    return name.size() == stem.size() + 7 && name.compare(0, stem.size(), stem) == 0 && name[stem.size()] == '.';
}

// One attempt to write `bytes` as `target` through a fresh temporary file.
// The temporary file is locked from its creation to its rename, so a game
// starting meanwhile does not take it for a leftover.  Sets `retry` when a
// starting game removed the file in the instant before it was locked.
bool SaveThroughTemporary(const fs::path& folder, const fs::path& target, std::string_view bytes, bool& retry) {
    retry = false;
    std::string name =
        (folder / std::u8string(kSettingsTemporaryStem.begin(), kSettingsTemporaryStem.end())).native() + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool saved = false;
    struct stat info {};
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0) {
        if (info.st_nlink == 0) {
            retry = true;  // already unlinked: start again with a new name
        } else if (WriteAll(fd, bytes) && ::fsync(fd) == 0 && ::rename(name.c_str(), target.c_str()) == 0) {
            saved = true;
        }
    }
    if (!saved && !retry) {
        ::unlink(name.c_str());
    }
    ::close(fd);  // also releases the lock
    return saved;
}

// Writes `bytes` as the settings file of `folder` through a temporary file
// that is renamed over the target; the temporary file never survives.
bool SaveInto(const fs::path& folder, std::string_view bytes) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return false;
    }
    const fs::path target = SettingsFilePath(folder);
    for (int attempt = 0; attempt < 3; ++attempt) {
        bool retry = false;
        if (SaveThroughTemporary(folder, target, bytes, retry)) {
            return true;
        }
        if (!retry) {
            return false;
        }
    }
    return false;
}

std::string PathToUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

std::string ComplementBytes(std::string_view bytes) {
    std::string out(bytes.size(), '\0');
    std::transform(bytes.begin(), bytes.end(), out.begin(),
                   [](char c) { return static_cast<char>(255 - static_cast<unsigned char>(c)); });
    return out;
}

std::string FormatSettingsText(const GameState& state, int32_t mainLeftTwips, int32_t mainTopTwips) {
    const GameState defaults = DefaultSettings();
    std::string text;
    for (const Field& field : kFields) {
        switch (field.kind) {
            case Kind::Text:
            case Kind::Name:
                text += FormatString(field, state, defaults);
                break;
            case Kind::Number:
                text += FormatNumber(state.*field.number);
                break;
            case Kind::MainLeft:
                text += FormatNumber(mainLeftTwips);
                break;
            case Kind::MainTop:
                text += FormatNumber(mainTopTwips);
                break;
        }
        text += "\r\n";
    }
    return text;
}

SettingsRead ParseSettingsText(std::string_view text, GameState& state) {
    const GameState defaults = DefaultSettings();
    const std::vector<std::string_view> lines = SplitLines(text, kFields.size());
    SettingsRead read;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const auto line = i < lines.size() ? std::optional(lines[i]) : std::nullopt;
        if (ReadField(kFields[i], line, state, defaults, read)) {
            ++read.validLines;
        }
    }
    return read;
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& folder) {
    return folder / std::u8string(kSettingsFileName.begin(), kSettingsFileName.end());
}

SettingsLoad LoadSettings(const std::vector<std::filesystem::path>& folders, GameState& state) {
    SettingsLoad load;
    for (const fs::path& folder : folders) {
        RemoveStaleTemporaryFiles(folder);
    }
    try {
        for (const fs::path& path : FilesByPreference(folders)) {
            if (const auto bytes = ReadFileBytes(path)) {
                load.values = ParseSettingsText(UnCode(*bytes), state);
                load.source = path;
                state.settingsPath = PathToUtf8(path);
                return load;
            }
        }
        state.settingsPath = folders.empty() ? "" : PathToUtf8(SettingsFilePath(folders.front()));
    } catch (const std::exception&) {
        // Out of memory or a path the system cannot represent: use the defaults.
    }
    load.values = ParseSettingsText("", state);
    return load;
}

std::optional<std::filesystem::path> SaveSettings(const std::vector<std::filesystem::path>& folders,
                                                  const GameState& state, int32_t mainLeftTwips, int32_t mainTopTwips) {
    try {
        const std::string bytes = EnCode(FormatSettingsText(state, mainLeftTwips, mainTopTwips));
        for (const fs::path& folder : folders) {
            if (!folder.empty() && SaveInto(folder, bytes)) {
                return SettingsFilePath(folder);
            }
        }
    } catch (const std::exception&) {
        // Out of memory or a path the system cannot represent: nothing saved.
    }
    return std::nullopt;
}

int RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
    int removed = 0;
    try {
        std::error_code error;
        if (folder.empty()) {
            return 0;
        }
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const fs::path& path = it->path();
            if (!IsOurTemporaryName(path.filename().native())) {
                continue;
            }
            struct stat named {};
            if (::lstat(path.c_str(), &named) != 0) {
                continue;
            }
            if (S_ISLNK(named.st_mode)) {
                removed += ::unlink(path.c_str()) == 0;  // the link goes, never its target
                continue;
            }
            if (!S_ISREG(named.st_mode)) {
                continue;
            }
            // A save in progress holds its file locked; only an unlocked file,
            // still the one found under that name, is a leftover.
            const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0) {
                continue;
            }
            struct stat opened {};
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev &&
                opened.st_ino == named.st_ino) {
                removed += ::unlink(path.c_str()) == 0;
            }
            ::close(fd);
        }
    } catch (const std::exception&) {
        // Out of memory or a path the system cannot represent: nothing more removed.
    }
    return removed;
}

int GalleryItemFromChoice(const std::string& galleryChoice) {
    if (galleryChoice.empty()) {
        return 0;
    }
    const std::size_t second = DecodeUtf8At(galleryChoice, 0).length;
    if (second >= galleryChoice.size()) {
        return 0;
    }
    const char c = galleryChoice[second];
    return c >= '1' && c <= '6' ? c - '0' : 0;
}

std::string GalleryChoiceToStore(const std::string& galleryChoice, int checkedItem) {
    if (checkedItem < 1 || checkedItem > 6) {
        return galleryChoice;
    }
    // The first character may take several UTF-8 bytes; it is kept whole.
    const std::string first =
        galleryChoice.empty() ? "0" : galleryChoice.substr(0, DecodeUtf8At(galleryChoice, 0).length);
    return first + static_cast<char>('0' + checkedItem);
}

PixelPoint ClampWindowPosition(PixelPoint wanted, PixelSize total, const PixelRect& screen) {
    const auto clampAxis = [](int64_t position, int64_t extent, int64_t origin, int64_t room) {
        const int64_t last = origin + std::max<int64_t>(0, room - std::max<int64_t>(0, extent));
        return static_cast<int32_t>(std::clamp(position, origin, last));
    };
    return {clampAxis(wanted.x, total.width, screen.x, screen.width),
            clampAxis(wanted.y, total.height, screen.y, screen.height)};
}

}  // namespace duel
