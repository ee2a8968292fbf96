// belvo-cli: batch use of the engine without a window.
#include <cstdio>

int main(int argc, char** argv)
{
    (void)argc;
    (void)argv;
    std::fprintf(stderr, "usage: belvo-cli catalogue FILE.dat [--all] [--format text|json]\n");
    return 2;
}
