// Built without -static, so it needs the MinGW C++ runtime DLLs: the executables check must
// reject it.
#include <iostream>
#include <string>

int main() {
    std::cout << std::string("needs libstdc++") << '\n';
    return 0;
}
