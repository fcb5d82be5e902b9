#include "cli/CliMain.h"

int main(int argc, char** argv) {
    return cardgen::cliMain(argc, argv);
}
