// plcalc-report: plcalc with the PDF writers, which plcalc runs for --report.
#include "cli/cli_main.h"

int main(int argc, char** argv) {
    HoldStandardStreams();
    return CliMain(argc, argv);
}
