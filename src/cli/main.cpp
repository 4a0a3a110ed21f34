#include <cstdio>

int main() {
    std::puts("hydrim-cli: under construction");
    return 0;
}
