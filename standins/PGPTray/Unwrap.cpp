#include "Unwrap.h"

#include "ArmourScan.h"
#include "ClearSign.h"
#include "MessageArmour.h"

namespace {

struct BlockKind {
    std::string_view begin;
    std::string_view end;  // the begin of the last line of the block
    OpenedBlock (*open)(std::string_view block);
};

constexpr BlockKind kMessage{"-----BEGIN PGP MESSAGE", "-----END PGP MESSAGE", OpenMessage};
constexpr BlockKind kSigned{"-----BEGIN PGP SIGNED MESSAGE", "-----END PGP SIGNATURE",
                            VerifyClearSigned};

struct FoundBlock {
    std::size_t begin;
    std::size_t end;  // just past its last line
    const BlockKind* kind;
};

// The first complete block of either kind at or after from; begin is npos when none.
FoundBlock NextBlock(std::string_view text, std::size_t from) {
    FoundBlock first{std::string_view::npos, 0, nullptr};
    for (const BlockKind* kind : {&kMessage, &kSigned}) {
        const std::size_t begin = FindAtLineStart(text, kind->begin, from);
        const std::size_t end =
            begin == std::string_view::npos ? begin : FindAtLineStart(text, kind->end, begin);
        if (end != std::string_view::npos && begin < first.begin) {
            first = {begin, PastLine(text, end), kind};
        }
    }
    return first;
}

}  // namespace

Unwrapped UnwrapBlocks(std::string_view text) {
    Unwrapped result;
    std::size_t pos = 0;
    for (FoundBlock block = NextBlock(text, pos); block.begin != std::string_view::npos;
         block = NextBlock(text, pos)) {
        result.text.append(text.substr(pos, block.begin - pos));
        const std::string_view armour = text.substr(block.begin, block.end - block.begin);
        const OpenedBlock opened = block.kind->open(armour);
        result.text.append(opened.opened ? std::string_view(opened.plain) : armour);
        if (opened.opened) {
            result.plains.push_back(opened.plain);
        }
        result.notes.push_back(opened.note);
        pos = block.end;
    }
    result.text.append(text.substr(pos));
    return result;
}
