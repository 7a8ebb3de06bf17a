#include "service/service_entry.h"

int main(int argc, char** argv) {
    return runKorvaneService(argc, argv);
}
