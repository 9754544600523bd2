// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for the application in launcher tests: writes its arguments, each ended by a
// NUL byte, to the file named by VORLIN_STUB_OUTPUT, and ends with status 42, which the
// launcher itself never returns.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    const char *output = std::getenv("VORLIN_STUB_OUTPUT");
    if (!output)
        return 2;
    std::FILE *file = std::fopen(output, "wb");
    if (!file)
        return 2;
    for (int i = 0; i < argc; ++i)
        std::fwrite(argv[i], 1, std::strlen(argv[i]) + 1, file);
    return std::fclose(file) == 0 ? 42 : 2;
}
