// Line framing with a hard limit: an unfinished line longer than a message is refused at once.
#include "network/frame_reader.h"

#include "network/wire_format.h"

namespace duel::net {

bool FrameReader::Append(std::string_view bytes) {
    if (overflowed_) return false;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        const size_t take = end == std::string_view::npos ? bytes.size() : end;
        // A line with its "\n" is at most kMaxMessageBytes long.
        if (partial_.size() + take + 1 > kMaxMessageBytes) {
            overflowed_ = true;
            partial_.clear();
            partial_.shrink_to_fit();
            frames_.clear();
            return false;
        }
        partial_.append(bytes.substr(0, take));
        if (end == std::string_view::npos) break;
        frames_.push_back(std::move(partial_));
        partial_.clear();
        bytes.remove_prefix(end + 1);
    }
    return true;
}

std::optional<std::string> FrameReader::NextFrame() {
    if (frames_.empty()) return std::nullopt;
    std::string frame = std::move(frames_.front());
    frames_.pop_front();
    return frame;
}

size_t FrameReader::held() const {
    size_t bytes = partial_.size();
    for (const std::string& frame : frames_) bytes += frame.size();
    return bytes;
}

}  // namespace duel::net
