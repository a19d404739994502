// zodarc-cli: the core from a shell.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::printf("Usage: zodarc-cli COMMAND [OPTIONS]\n");
        return argc < 2 ? 2 : 0;
    }
    std::fprintf(stderr, "zodarc-cli: unknown command '%s'\n", argv[1]);
    return 2;
}
