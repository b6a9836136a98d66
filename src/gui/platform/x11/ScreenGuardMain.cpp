#include "gui/platform/x11/ScreenGuardian.h"

int main(int argc, char* argv[]) {
    return runScreenGuardian(argc, argv);
}
