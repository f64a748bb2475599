// Where the era table is kept, relative to the current directory.
#pragma once

inline constexpr char kZelEraFilePath[] = ".\\data\\era.dat";
