// The publisher's manifest Objava.txt on any bytes: an accepted manifest holds
// only items the updater can take, and written out again it reads the same.
#include "Provjera.h"

#include "base/Matrica.h"
#include "catalogue/ZapisVerzije.h"
#include "platform/KodnaStranica.h"
#include "publish/PopisObjave.h"

#include <QRegularExpression>

using namespace velkor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t veličina) {
    const QByteArray bajtovi(reinterpret_cast<const char*>(podaci), qsizetype(veličina));
    const PopisObjave popis = PročitajPopisObjave(DekodirajPopisObjave(bajtovi));
    PROVJERI(popis.odbijanje.isEmpty() != popis.stavke.isEmpty());
    if (!popis.odbijanje.isEmpty())
        return 0;
    PROVJERI(popis.stavke.size() <= Matrica::Redaka);

    QString ponovo;
    for (const StavkaObjave& stavka : popis.stavke) {
        PROVJERI(!stavka.ime.isEmpty() && !NeispravnoIme(stavka.ime));
        PROVJERI(!stavka.ime.contains(QLatin1Char(';')));
        PROVJERI(IzAnsija(UAnsi(stavka.ime)) == stavka.ime);
        PROVJERI(stavka.verzija.size() == 3);
        static const QRegularExpression broj(QStringLiteral("^[0-9]+$"));
        PROVJERI(stavka.verzija.filter(broj).size() == 3);
        ponovo += stavka.ime + QLatin1Char(';') + stavka.verzija.join(QLatin1Char(';')) +
                  QStringLiteral("\r\n");
    }
    const PopisObjave drugi = PročitajPopisObjave(ponovo);
    PROVJERI(drugi.odbijanje.isEmpty() && drugi.stavke.size() == popis.stavke.size());
    for (qsizetype i = 0; i < drugi.stavke.size(); ++i) {
        PROVJERI(drugi.stavke[i].ime == popis.stavke[i].ime);
        PROVJERI(drugi.stavke[i].verzija == popis.stavke[i].verzija);
    }
    return 0;
}
