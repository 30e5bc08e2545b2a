#pragma once

// Runs the program: command line, program directory, the main window, the event loop.
int quintaroStart(int argc, char** argv);
