#include "app/application.h"

int main(int argc, char** argv) {
    return tabula::RunTabula(argc, argv);
}
