#include "support/RegistarTestova.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication aplikacija(argc, argv);
    return velkor::test::pokreniSveTestove(argc, argv);
}
