// mktables: compiles the readable table sources (data/*.csv) into the binary
// table files the program reads, and checks the sources.
//   mktables <table> <input.csv> <output.bin>
//   mktables --check <source.csv>...
//   mktables --sums <tables.sum> <table.bin>...
#include "tools/mktables/run.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    return mktables::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
