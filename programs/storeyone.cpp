// storeyone: block layouts of one floor.
#include "problem/startup.h"

int main(int argc, char** argv) {
    return runprogram(Program::storeyone, argc, argv);
}
