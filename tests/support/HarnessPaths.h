#pragma once
// Where the test programs are and where their logs go.
#include <string>

// The program `fileName` of the build folder: the folder of the running test
// executable, which the build puts beside Stowpane.exe and every test program.
std::string ProgramPath(const std::string& fileName);

// A fresh file name in the temporary folder, unique within this run:
// "<temp>\<stem>-<pid>-<n>.log". The file is not created.
std::string FreshLogPath(const std::string& stem);
