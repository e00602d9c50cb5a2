#include "support/replace.h"

#include <algorithm>
#include <cassert>
#include <string_view>
#include <vector>

namespace {

// Produces what the literal loop produces (replace the leftmost occurrence in the whole
// string, search again from the start, until none is left), without searching from the
// start again. The string being worked on is always out_ + pending_ (top first) + the
// input from next_ on. out_ holds no occurrence, so the leftmost occurrence is the one that
// ends first, and it ends beyond out_. The bytes of each replacement go into out_ one at a
// time, so an occurrence that a replacement creates, on either side, is found at once; the
// untouched input is searched in one go.
class LeftmostReplacer {
public:
    LeftmostReplacer(std::string_view oldText, std::string_view input, std::string_view newText)
        : old_(oldText), input_(input), new_(newText) {
        out_.reserve(input.size());
    }

    std::string Run() {
        for (;;) {
            if (!pending_.empty()) {
                MovePendingByte();
            } else if (!MoveInputThroughOccurrence()) {
                return std::move(out_);
            }
        }
    }

private:
    void MovePendingByte() {
        std::string_view& top = pending_.back();
        out_ += top.front();
        top.remove_prefix(1);
        if (top.empty()) {
            pending_.pop_back();
        }
        if (std::string_view(out_).ends_with(old_)) {
            ReplaceOutEnd();
        }
    }

    // Moves the input up to the end of its next occurrence into out_ and replaces that
    // occurrence; without one, moves the rest of the input. False when nothing is left.
    bool MoveInputThroughOccurrence() {
        const std::size_t end = EndOfNextOccurrence();
        const std::size_t stop = end == std::string_view::npos ? input_.size() : end;
        out_.append(input_.substr(next_, stop - next_));
        next_ = stop;
        if (end == std::string_view::npos) {
            return false;
        }
        ReplaceOutEnd();
        return true;
    }

    // The input index just past the leftmost occurrence, which may begin in the last bytes
    // of out_; npos when there is none.
    std::size_t EndOfNextOccurrence() const {
        const std::size_t carried = std::min(out_.size(), old_.size() - 1);
        const std::string seam =
            out_.substr(out_.size() - carried) + std::string(input_.substr(next_, old_.size() - 1));
        if (const std::size_t at = seam.find(old_); at != std::string::npos) {
            return next_ + at + old_.size() - carried;
        }
        const std::size_t at = input_.find(old_, next_);
        return at == std::string_view::npos ? at : at + old_.size();
    }

    void ReplaceOutEnd() {
        out_.resize(out_.size() - old_.size());
        if (!new_.empty()) {
            pending_.push_back(new_);
        }
    }

    std::string_view old_;
    std::string_view input_;
    std::string_view new_;
    std::size_t next_ = 0;
    std::string out_;
    std::vector<std::string_view> pending_;
};

// Whether Old, placed at some offset against New so that the two share at least one byte,
// agrees with New on every byte they share.
bool CanOverlap(std::string_view oldText, std::string_view newText) {
    const auto oldSize = static_cast<std::ptrdiff_t>(oldText.size());
    const auto newSize = static_cast<std::ptrdiff_t>(newText.size());
    for (std::ptrdiff_t offset = 1 - oldSize; offset < newSize; ++offset) {
        const std::ptrdiff_t first = std::max<std::ptrdiff_t>(0, -offset);
        const std::ptrdiff_t last = std::min(oldSize, newSize - offset);
        const auto shared = static_cast<std::size_t>(last - first);
        if (oldText.substr(static_cast<std::size_t>(first), shared) ==
            newText.substr(static_cast<std::size_t>(first + offset), shared)) {
            return true;
        }
    }
    return false;
}

}  // namespace

// Each part of S is cut as its 1-based bounds say, clamped to the string: a position before
// the start or past the end, or a length reaching beyond either, takes what is there.
std::string ReplaceAt(const std::string& newText, const std::string& s, int position, int length) {
    const long long size = static_cast<long long>(s.size());
    const long long prefixEnd = std::clamp(static_cast<long long>(position) - 1, 0LL, size);
    const long long suffixBegin =
        std::clamp(static_cast<long long>(position) + length - 1, 0LL, size);
    return s.substr(0, static_cast<std::size_t>(prefixEnd)) + newText +
           s.substr(static_cast<std::size_t>(suffixBegin));
}

std::string ReplaceFirst(const std::string& oldText, const std::string& s,
                         const std::string& newText) {
    const std::size_t at = oldText.empty() ? std::string::npos : s.find(oldText);
    if (at == std::string::npos) {
        return s;
    }
    return s.substr(0, at) + newText + s.substr(at + oldText.size());
}

std::string ReplaceAll(const std::string& oldText, const std::string& s,
                       const std::string& newText) {
    if (oldText.empty()) {
        return s;
    }
    // The one breach of the precondition that is sure to hang: every replacement makes another.
    assert(newText.find(oldText) == std::string::npos);
    return LeftmostReplacer(oldText, s, newText).Run();
}

bool ReplaceAllIsBounded(const std::string& oldText, const std::string& newText) {
    return oldText.empty() || newText.size() < oldText.size() || !CanOverlap(oldText, newText);
}
