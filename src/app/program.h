#pragma once

// The program entry: without a command the windows, otherwise the command
// line. Returns the exit code.
int runProgram(int argc, char** argv);
