#include "app/IzlazniKod.h"

#include "base/Stanje.h"

namespace velkor {

namespace {

constexpr int Gotovo = 0, Greška = 1, NoveVerzije = 2, Popravljeno = 27, Nepopunjeno = 29;

int kodVrste(VrstaGreske vrsta) {
    switch (vrsta) {
    case VrstaGreske::IzvorNedostupan:
        return 20;
    case VrstaGreske::ProxyTraziPrijavu:
        return 21;
    case VrstaGreske::Provjera:
        return 22;
    case VrstaGreske::NemaMjesta:
        return 23;
    case VrstaGreske::ProgramiRade:
        return 24;
    case VrstaGreske::PovratNepotpun:
        return 28;
    case VrstaGreske::LokacijaNepopunjena:
        return Nepopunjeno;
    case VrstaGreske::InstalacijaVracena:
        return 1603;
    case VrstaGreske::Zauzeto:
        return 1618;
    case VrstaGreske::Nijedna:
    case VrstaGreske::Ostalo:
        break;
    }
    return Greška;
}

} // namespace

const QList<QPair<int, QString>>& IzlazniKodovi() {
    static const QList<QPair<int, QString>> kodovi{
        {0, QStringLiteral("gotovo, nema ništa za napraviti")},
        {2, QStringLiteral("/provjeri: postoje nove verzije")},
        {1, QStringLiteral("greška")},
        {3, QStringLiteral("pogrešan naredbeni redak")},
        {20, QStringLiteral("izvor ažuriranja nije dostupan")},
        {21, QStringLiteral("proxy traži korisničko ime i lozinku")},
        {22, QStringLiteral("provjera potpisa ili sažetka nije uspjela; ništa nije instalirano")},
        {23, QStringLiteral("nema dovoljno mjesta na disku")},
        {24, QStringLiteral("Velkor programi su pokrenuti")},
        {27, QStringLiteral("popravljena je prekinuta instalacija, a rad je nastavljen")},
        {28,
         QStringLiteral("povrat nije vratio sve: potreban je ručni popravak (vidi Update.log)")},
        {29, QStringLiteral("lokacija za distribuciju nije popunjena; ostala je kakva je bila")},
        {1603, QStringLiteral("instalacija nije uspjela i vraćena je; stari programi rade")},
        {1618, QStringLiteral("drugo pokretanje programa upravo radi na ovoj instalaciji")},
    };
    return kodovi;
}

QString ZnačenjeKoda(int kod) {
    for (const auto& [k, značenje] : IzlazniKodovi())
        if (k == kod)
            return značenje;
    return {};
}

int IzlazniKod(Operacija operacija, bool uspjeh, bool imaPlana, const Stanje& stanje) {
    if (!uspjeh) {
        const int kod = kodVrste(stanje.VrstaZadnjeGreške);
        return kod == Greška && operacija == Operacija::Distribuiraj ? Nepopunjeno : kod;
    }
    if (stanje.PrekinutaInstalacijaPopravljena)
        return Popravljeno;
    return operacija == Operacija::Provjeri && imaPlana ? NoveVerzije : Gotovo;
}

} // namespace velkor
