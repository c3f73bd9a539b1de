// The hash list Verzije.sha256 on any bytes: a list that parses holds names
// and 32-byte hashes, and written again gives the lines it was read from.
#include "Provjera.h"

#include "catalogue/Sazeci.h"

#include <QSet>

using namespace velkor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t veličina) {
    const QByteArray bajtovi(reinterpret_cast<const char*>(podaci), qsizetype(veličina));
    const std::optional<Sažeci> sažeci = Sažeci::Pročitaj(bajtovi);
    if (!sažeci)
        return 0;

    // The input's lines as the publisher writes them: lower-case hex and two blanks.
    QSet<QByteArray> očekivano;
    for (const QByteArray& redak : bajtovi.split('\n')) {
        if (!redak.isEmpty())
            očekivano.insert(redak.left(64).toLower() + "  " + redak.mid(66));
    }
    const QByteArray zapis = sažeci->Zapis();
    PROVJERI(zapis.isEmpty() || zapis.endsWith('\n'));
    QList<QByteArray> retci = zapis.split('\n');
    retci.removeLast();
    PROVJERI(QSet<QByteArray>(retci.begin(), retci.end()) == očekivano);
    PROVJERI(retci.size() == očekivano.size());

    const std::optional<Sažeci> ponovo = Sažeci::Pročitaj(zapis);
    PROVJERI(ponovo && ponovo->Imena() == sažeci->Imena());
    for (const QString& ime : sažeci->Imena()) {
        PROVJERI(!ime.isEmpty() && !ime.contains(QLatin1Char('\n')));
        PROVJERI(QString::fromUtf8(ime.toUtf8()) == ime);
    }
    for (const QByteArray& redak : retci) {
        const QByteArray heks = redak.left(64);
        PROVJERI(QByteArray::fromHex(heks).toHex() == heks && redak.mid(64, 2) == "  ");
        PROVJERI(ponovo->Odgovara(QString::fromUtf8(redak.mid(66)), QByteArray::fromHex(heks)));
    }
    return 0;
}
