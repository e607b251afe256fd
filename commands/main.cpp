#include "commands/Quillmark.h"

int main(int argc, char** argv) {
    return RunQuillmark(argc, argv);
}
