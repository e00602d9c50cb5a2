#pragma once
// Substring replacement. Positions count from 1.

#include <string>

// S[1 .. Position-1] + New + S[Position+Length .. end].
std::string ReplaceAt(const std::string& newText, const std::string& s, int position, int length);

// S with the first occurrence of Old replaced by New; S unchanged when Old does not occur
// (an empty Old never does).
std::string ReplaceFirst(const std::string& oldText, const std::string& s,
                         const std::string& newText);

// The result of replacing the first occurrence of Old again and again, searching the whole
// string each time, until Old no longer occurs: an occurrence that a replacement creates is
// replaced in turn. New must not contain Old.
std::string ReplaceAll(const std::string& oldText, const std::string& s,
                       const std::string& newText);
