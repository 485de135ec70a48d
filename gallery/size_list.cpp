// Parsing and reading the size list of a picture set.
#include "gallery/size_list.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <system_error>

namespace duel {

namespace {

bool IsSeparator(char c) { return c == ',' || c == '\n' || c == '\r'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// One value: an optional sign and decimal digits.  The magnitude saturates
// just above the 32-bit range so that any length of digits is safe.
struct Value {
    bool readable = false;
    int64_t number = 0;
};

Value ReadValue(std::string_view token) {
    Value value;
    size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
    if (i == token.size()) return value;
    constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < token.size(); ++i) {
        const char c = token[i];
        if (c < '0' || c > '9') return value;
        magnitude = std::min(kCap, magnitude * 10 + (c - '0'));
    }
    value.readable = true;
    value.number = negative ? -magnitude : magnitude;
    return value;
}

// Splits the text into values one at a time, skipping empty ones.
class Tokens {
public:
    explicit Tokens(std::string_view text) : text_(text) {}

    std::optional<std::string_view> next() {
        while (pos_ < text_.size()) {
            size_t end = pos_;
            while (end < text_.size() && !IsSeparator(text_[end])) ++end;
            std::string_view token = text_.substr(pos_, end - pos_);
            pos_ = end + 1;
            while (!token.empty() && IsBlank(token.front())) token.remove_prefix(1);
            while (!token.empty() && IsBlank(token.back())) token.remove_suffix(1);
            if (!token.empty()) return token;
        }
        return std::nullopt;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

}  // namespace

GalleryResult<std::vector<int32_t>> ParseSizeList(std::string_view text) {
    Tokens tokens(text);
    const std::optional<std::string_view> first = tokens.next();
    if (!first) return GalleryError::BadCount;
    const Value count = ReadValue(*first);
    if (!count.readable) return GalleryError::BadNumber;
    if (count.number < 1 || count.number > kMaxPicturesInSet) return GalleryError::BadCount;

    std::vector<int32_t> sizes;
    sizes.reserve(static_cast<size_t>(count.number));
    while (static_cast<int64_t>(sizes.size()) < count.number) {
        const std::optional<std::string_view> token = tokens.next();
        if (!token) return GalleryError::TooFewSizes;
        const Value size = ReadValue(*token);
        if (!size.readable) return GalleryError::BadNumber;
        if (size.number < 1) return GalleryError::SizeBelowOne;
        if (size.number > kMaxPictureBytes) return GalleryError::SizeTooLarge;
        sizes.push_back(static_cast<int32_t>(size.number));
    }
    return sizes;
}

GalleryResult<std::vector<int32_t>> ReadSizeList(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return GalleryError::FilesMissing;
    const std::uintmax_t length = std::filesystem::file_size(file, ec);
    if (ec || length > kMaxSizeListBytes) return GalleryError::SizeListUnreadable;
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) return GalleryError::SizeListUnreadable;
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad() || text.size() > kMaxSizeListBytes) return GalleryError::SizeListUnreadable;
        return ParseSizeList(text);
    } catch (const std::exception&) {
        return GalleryError::SizeListUnreadable;
    }
}

}  // namespace duel
