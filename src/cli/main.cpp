#include <iostream>

int main(int argc, char* argv[]) {
    (void)argv;
    if (argc < 2) {
        std::cerr << "usage: tgedit-cli COMMAND ...\n";
        return 2;
    }
    std::cerr << "tgedit-cli: no commands yet\n";
    return 2;
}
