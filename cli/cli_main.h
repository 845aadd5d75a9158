#pragma once
// What plcalc and its report program share around runCli: standard output
// whose write errors are the file error, and standard streams held open.

// Call first: a closed standard stream would be taken by the next file opened.
void HoldStandardStreams();
// Runs the command line of argv and returns the exit code.
int CliMain(int argc, char** argv);
