// The program's main, as installed; the probe is linked beside it.
#include "app/start.h"

int main(int argc, char *argv[])
{
    return app::run(argc, argv);
}
