#include "ScreenGuardian.h"

int main(int argc, char* argv[]) {
    return runScreenGuardian(argc, argv);
}
