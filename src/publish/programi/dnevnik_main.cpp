#include "publish/Naredbe.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication aplikacija(argc, argv);
    return velkor::PokreniČitanjeDnevnika(QCoreApplication::arguments().mid(1),
                                          QCoreApplication::applicationDirPath(),
                                          velkor::SistemskaKonzola());
}
