#pragma once

#include <filesystem>

// The folder of the running executable, from which every data path is formed.
std::filesystem::path ProgramFolder();
