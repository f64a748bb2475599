// Each fuzz process works in an empty directory of its own, with a data
// folder for the era file, so that parallel runs never share an era.dat.
// The directory is removed when the process exits normally.
#pragma once

#include <string>
#include <vector>

void ZelFuzzEnterScratchDir();

void ZelFuzzWriteFile(const char* pszPath, const std::string& bytes);
// The whole file, or false when it cannot be read.
bool ZelFuzzReadFile(const char* pszPath, std::string& bytes);
// Names of the entries of a folder, sorted.
std::vector<std::string> ZelFuzzListDir(const char* pszPath);
