#pragma once
// The spans in which the program waits for another program (a driver's run, a command to
// PGP's tray program) and the handling of a tray click, as stamps of the performance counter
// for the benchmarks, which compare them with the time of a whole run. Written, one line
// per span ("what start end", in microseconds), to the file that the environment variable
// TERVANE_WAIT_LOG names; without it nothing is measured or written.

class WaitSpan {
public:
    explicit WaitSpan(const char* what);
    ~WaitSpan();
    WaitSpan(const WaitSpan&) = delete;
    WaitSpan& operator=(const WaitSpan&) = delete;

    // The performance counter in microseconds: the same clock in every process.
    static long long NowMicroseconds();

private:
    const char* what_;
    long long start_ = 0;
};
