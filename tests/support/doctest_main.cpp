// Runs the tests with COM and the common controls ready, as the program has them.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>
#include "Application.h"
#include <cstdio>

int main(int argc, char** argv)
{
    // Unbuffered, so that what was written survives a process that dies.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ui::Application.Initialize();
    doctest::Context context(argc, argv);
    return context.run();
}
