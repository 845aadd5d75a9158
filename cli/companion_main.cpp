// plcalc-report and plcalc-register: plcalc with the PDF writers or with the
// gauge register's commands, which plcalc runs for --report and --register.
#include "cli/cli_main.h"

int main(int argc, char** argv) {
    HoldStandardStreams();
    return CliMain(argc, argv);
}
