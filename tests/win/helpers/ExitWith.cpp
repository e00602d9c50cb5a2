// A console program for the process tests: it ends at once with the exit code given as its
// one argument.

#include <cstdlib>

int main(int argc, char** argv) {
    return argc > 1 ? std::atoi(argv[1]) : 0;
}
