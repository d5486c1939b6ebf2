// Writes the bash completion of every option, made from the option table when the program is built:
// make_bash_completion <file>.

#include "app/OptionTable.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::FILE* file = std::fopen(argv[1], "w");
    if (!file)
        return 1;
    const bool written = std::fputs(app::BashCompletion().toUtf8().constData(), file) >= 0;
    return std::fclose(file) == 0 && written ? 0 : 1;
}
