#include "support/RegistarTestova.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication aplikacija(argc, argv);
    return velkor::test::pokreniSveTestove(argc, argv);
}
