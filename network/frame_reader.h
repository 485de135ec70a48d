// Cuts the byte stream of a connection into lines, holding at most one message's worth of bytes.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace duel::net {

class FrameReader {
public:
    // Takes the next bytes of the stream.  Complete lines wait in NextFrame; the
    // unfinished rest is kept.  Returns false, and from then on takes nothing, once a
    // line reaches the size limit without its end: the connection is to be closed.
    // Bytes after the overflow are not looked at.
    bool Append(std::string_view bytes);

    // The next complete line without its "\n", oldest first.
    std::optional<std::string> NextFrame();

    bool overflowed() const { return overflowed_; }
    // Bytes held for lines not yet taken and the unfinished line.
    size_t held() const;

private:
    std::deque<std::string> frames_;
    std::string partial_;
    bool overflowed_ = false;
};

}  // namespace duel::net
