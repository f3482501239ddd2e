#include "startup.h"

int main(int argc, char **argv)
{
    return tarvik::run(argc, argv);
}
