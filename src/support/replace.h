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
// replaced in turn.
// Callers pass only pairs for which ReplaceAllIsBounded holds. Other pairs may never end
// (New containing Old) or grow the text without bound: with Old "ba" and New "aab", every
// "b" doubles the "a"s it passes, so 25 "b"s and an "a" end as 2^25 "a"s and 25 "b"s.
std::string ReplaceAll(const std::string& oldText, const std::string& s,
                       const std::string& newText);

// ReplaceAll's precondition: New is shorter than Old, or no occurrence of Old can take in a
// byte of a New, whatever surrounds it, so that no replacement creates another. Then the
// result is at most max(|S|, |S| * |New| / |Old|) bytes long.
bool ReplaceAllIsBounded(const std::string& oldText, const std::string& newText);
