#pragma once

#include <filesystem>

// The folder of the running executable, from which every data path is formed.
std::filesystem::path ProgramFolder();

// Points the program at another folder (tests and tools); an empty path restores the default.
void SetProgramFolder(std::filesystem::path folder);
