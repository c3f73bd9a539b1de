// The main of a folder's executable that has none of its own: alone in this
// file, the linker takes it from the library only then.
#include "RegistarTestova.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication aplikacija(argc, argv);
    return velkor::test::pokreniSveTestove(argc, argv);
}
