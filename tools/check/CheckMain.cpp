#include "app/DataChecker.h"

#include <iostream>

// vantorix-check [data-dir]: exit 0 when the data is clean, 1 when not.
int main(int argc, char* argv[]) {
    if (argc > 2) {
        std::cout << "Usage: " << argv[0] << " [data-dir]" << std::endl;
        return 1;
    }
    DataChecker checker(argc == 2 ? argv[1] : "./data");
    return checker.run(std::cout) == 0 ? 0 : 1;
}
