// Runs the tests with COM and the common controls ready, as the program has them.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>
#include "Application.h"

int main(int argc, char** argv)
{
    ui::Application.Initialize();
    doctest::Context context(argc, argv);
    return context.run();
}
