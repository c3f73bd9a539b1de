#include "publish/Konzola.h"

#include <QTextStream>
#include <cstdio>

namespace velkor {

namespace {

void ispiši(FILE* tok, const QString& tekst) {
    QTextStream izlaz(tok);
    izlaz.setEncoding(QStringConverter::System);
    izlaz << tekst << '\n';
}

} // namespace

Konzola SistemskaKonzola() {
    return {[](const QString& tekst) { ispiši(stdout, tekst); },
            [](const QString& tekst) { ispiši(stderr, tekst); }};
}

} // namespace velkor
