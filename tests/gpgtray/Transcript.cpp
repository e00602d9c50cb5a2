#include "Transcript.h"

#include <sstream>

namespace {

void PutBlock(std::ostringstream& out, const char* name, const std::string& bytes) {
    out << name << ' ' << bytes.size() << '\n' << bytes << '\n';
}

// The bytes of a block "name size\n<bytes>\n"; nothing when it is not there.
std::optional<std::string> TakeBlock(std::istringstream& in, const char* name) {
    std::string word;
    std::size_t size = 0;
    if (!(in >> word >> size) || word != name || in.get() != '\n') {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size)) || in.get() != '\n') {
        return std::nullopt;
    }
    return bytes;
}

std::string Normalised(const std::string& text) {
    std::string plain;
    for (char c : text) {
        if (c != '\r') {
            plain += c;
        }
    }
    plain.erase(plain.find_last_not_of(" \n") + 1);
    return plain;
}

}  // namespace

std::string Serialized(const Transcript& transcript) {
    std::ostringstream out;
    out << "arguments " << transcript.arguments.size() << '\n';
    for (const std::string& argument : transcript.arguments) {
        out << argument << '\n';
    }
    out << "exit " << transcript.exitCode << '\n';
    PutBlock(out, "input", transcript.input);
    PutBlock(out, "output", transcript.output);
    PutBlock(out, "status", transcript.status);
    return out.str();
}

std::optional<Transcript> ParseTranscript(const std::string& text) {
    std::istringstream in(text);
    Transcript transcript;
    std::string word;
    std::size_t count = 0;
    if (!(in >> word >> count) || word != "arguments" || in.get() != '\n') {
        return std::nullopt;
    }
    transcript.arguments.resize(count);
    for (std::string& argument : transcript.arguments) {
        std::getline(in, argument);
    }
    if (!(in >> word >> transcript.exitCode) || word != "exit" || in.get() != '\n') {
        return std::nullopt;
    }
    const auto input = TakeBlock(in, "input");
    const auto output = TakeBlock(in, "output");
    const auto status = TakeBlock(in, "status");
    if (!input || !output || !status) {
        return std::nullopt;
    }
    transcript.input = *input;
    transcript.output = *output;
    transcript.status = *status;
    return transcript;
}

bool SameText(const std::string& a, const std::string& b) {
    return Normalised(a) == Normalised(b);
}
