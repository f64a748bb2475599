// The era tool's commands: check, list, add and init on an era file, read
// and written through the library's era table store.
#pragma once

#include <string>
#include <vector>

// One command-line argument, in the two forms the tool needs.
struct ZelToolArg
{
    std::string strShiftJis;  // the text in Shift_JIS (era names, years)
    bool bShiftJis;           // false: the text has a character Shift_JIS lacks
    std::string strPath;      // the text as the file functions take a path
};

// Runs "zelera <args>" and returns its exit code: 0 done or sound, 1
// problems found or a change refused, 2 the file could not be read or
// written (or the command line is wrong). Text for the user goes to out and
// err, in Shift_JIS.
int RunZelera(const std::vector<ZelToolArg>& args, std::string& out, std::string& err);
