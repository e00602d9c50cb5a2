#include "core/PGPBlocks.h"

#include <string_view>

namespace {

// True when marker stands at the start of some line of text; the first line counts as if
// an LF stood in front of it.
bool AtLineStart(std::string_view text, std::string_view marker) {
    if (text.starts_with(marker)) {
        return true;
    }
    std::string withLf;
    withLf.reserve(marker.size() + 1);
    withLf.append(1, '\n').append(marker);
    return text.find(withLf) != std::string_view::npos;
}

bool HasBlock(std::string_view text, std::string_view begin, std::string_view end) {
    return AtLineStart(text, begin) && AtLineStart(text, end);
}

// The marker lines that unindenting frees; the blank after each keeps "-----BEGIN PGPX"
// and the like untouched.
constexpr std::string_view kBeginMarker = "-----BEGIN PGP ";
constexpr std::string_view kEndMarker = "-----END PGP ";
constexpr std::string_view kIndentedFirstBegin = " -----BEGIN PGP ";

bool IsMarkerAt(std::string_view text, std::size_t pos) {
    const std::string_view rest = text.substr(pos);
    return rest.starts_with(kBeginMarker) || rest.starts_with(kEndMarker);
}

}  // namespace

TPGPBlocks ClassifyPGP(const std::string& text) {
    TPGPBlocks blocks;
    blocks.HasPGPBlock = HasBlock(text, "-----BEGIN PGP", "-----END PGP");
    blocks.HasPublicKey = HasBlock(text, "-----BEGIN PGP PUBLIC KEY", "-----END PGP PUBLIC KEY");
    blocks.HasSigned = HasBlock(text, "-----BEGIN PGP SIGN", "-----END PGP SIGN");
    blocks.HasMessage = HasBlock(text, "-----BEGIN PGP MESSAGE", "-----END PGP MESSAGE");
    return blocks;
}

// After an LF, every blank in front of a marker goes, however many there are. The first
// line has no LF in front and keeps a narrower rule: a BEGIN marker indented by exactly one
// blank loses it; deeper indentation, and an indented END marker, stay as they are.
std::string UnindentPGPMarkers(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    std::size_t pos = std::string_view(text).starts_with(kIndentedFirstBegin) ? 1 : 0;
    while (pos < text.size()) {
        const std::size_t lf = text.find('\n', pos);
        if (lf == std::string::npos) {
            result.append(text, pos);
            break;
        }
        result.append(text, pos, lf + 1 - pos);
        pos = lf + 1;
        const std::size_t lineText = text.find_first_not_of(' ', pos);
        if (lineText != std::string::npos && IsMarkerAt(text, lineText)) {
            pos = lineText;
        }
    }
    return result;
}
