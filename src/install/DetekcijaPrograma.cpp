#include "install/DetekcijaPrograma.h"
#include "base/ZajednickiTekstovi.h"

#include "base/Dnevnik.h"
#include "base/OkviriPoruka.h"
#include "install/AppJeStartana.h"
#include "platform/Platforma.h"

namespace velkor {

namespace {

QString pitanjeOPokrenutima(const QString& popis) {
    return QStringLiteral("Postoje pokrenuti programi:") + NoviRed + popis + NoviRed +
           QStringLiteral("Da bi nastavili sa daljom instalacijom moraju se zatvoriti svi "
                          "otvoreni programi!") +
           NoviRed +
           QStringLiteral("Za nastavak rada (i ponovnu provjeru) pritisnite Da (Yes), za prekid "
                          "instalacije pritisnuti Ne (No) ?");
}

const QString PitanjeOOdustajanju =
    QStringLiteral("Ukoliko prekinete sa ažuriranjem novih verzija, izgubiće se svi novi učitani "
                   "programi, pa će se to morati ponoviti.") +
    NoviRed +
    QStringLiteral("Želite li zaista prekinuti sa ažuriranjem programa sa novim verzijama?");

} // namespace

DetekcijaPrograma::DetekcijaPrograma(Platforma& platforma, OkviriPoruka& poruke, Dnevnik& dnevnik)
    : platforma(platforma), poruke(poruke), dnevnik(dnevnik), tabela(TabelaProzoraPrograma()) {}

QString DetekcijaPrograma::NađiPokrenutePrograme() {
    QString popis;
    for (const ProzorPrograma& red : tabela) {
        if (samoTraži ? platforma.NađiProzor(red.naslov) != 0
                      : AppJeStartana(platforma, red.naslov))
            popis += red.ime + NoviRed;
    }
    return popis;
}

bool DetekcijaPrograma::DijalogPokrenutihPrograma() {
    for (;;) {
        const QString popis = NađiPokrenutePrograme();
        if (popis.isEmpty())
            return true;
        const Odgovor odgovor =
            poruke.Poruka(pitanjeOPokrenutima(popis), Ikona::Upitnik, Gumbi::DaNe);
        dnevnik.LogirajGrešku(QStringLiteral("UpdatePrograma- Postoje startovani programi ") +
                              popis);
        if (odgovor == Odgovor::Ne && potvrđenoOdustajanje())
            return false;
    }
}

bool DetekcijaPrograma::potvrđenoOdustajanje() {
    if (poruke.Poruka(PitanjeOOdustajanju, Ikona::Upitnik, Gumbi::DaNe) != Odgovor::Da)
        return false;
    dnevnik.LogirajGrešku(QStringLiteral("UpdatePrograma- Korisnik odustaje"));
    return true;
}

} // namespace velkor
