#include "CommandLog.h"

#include "StandinFiles.h"

void CommandLog::Command(unsigned id, const std::string& name) const {
    AppendToFile(path_, std::to_string(id) + " " + name + "\r\n");
}

void CommandLog::Note(const std::string& note) const {
    AppendToFile(path_, "  " + note + "\r\n");
}
