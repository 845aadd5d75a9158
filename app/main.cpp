// plwin: the desktop program.
#include "app/app_start.h"

int main(int argc, char** argv) {
    return RunPlwin(argc, argv);
}
