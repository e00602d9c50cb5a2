#pragma once
// The spans that the program stamps while the benchmark runs it (src/win32/WaitSpan.h),
// read back from the file that the benchmark names to it.

#include <string>
#include <vector>

class WaitLog {
public:
    // Names the file to the programs that this process starts from now on.
    explicit WaitLog(std::string path);

    void Clear() const;
    std::string Text() const;

    // Of the spans of that kind: whether there is one, how many, their total length and the
    // end of the last, in microseconds.
    bool Has(const std::string& what) const { return Count(what) > 0; }
    int Count(const std::string& what) const;
    long long Total(const std::string& what) const;
    long long End(const std::string& what) const;

private:
    struct Span {
        std::string what;
        long long start, end;
    };
    std::vector<Span> Read(const std::string& what) const;

    std::string path_;
};
