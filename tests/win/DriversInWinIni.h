#pragma once
// WIN.INI naming the test directory as the Mail Form Drivers directory, for as long as the
// object lives; the earlier value is put back afterwards.

#include <string>

class DriversInWinIni {
public:
    DriversInWinIni();
    ~DriversInWinIni();
    DriversInWinIni(const DriversInWinIni&) = delete;
    DriversInWinIni& operator=(const DriversInWinIni&) = delete;

private:
    std::string saved_;
};

// The short (8.3) form of an existing path, as the program passes paths to drivers.
std::string ShortPath(const std::string& path);
