// storeymany: departments partitioned among stories or sites.
#include "problem/startup.h"

int main(int argc, char** argv) {
    return runprogram(Program::storeymany, argc, argv);
}
