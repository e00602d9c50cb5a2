#include <iostream>

#include "BinaryStdout.h"
#include "MfdTool.h"

int main(int argc, char** argv) {
    SetBinaryStdout();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunMfdTool(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : kExitFileProblem;
}
