#include "app/RadBezNadzora.h"

#include "app/Aplikacija.h"
#include "app/IzlazniKod.h"
#include "app/NenadziraniProzor.h"
#include "catalogue/ZapisVerzije.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace velkor {

namespace {

constexpr int PogrešnaNaredba = 3;

// The lines: the terminal unless /tiho, and the text file of /dnevnik.
class Ispis {
public:
    Ispis(const NaredbaBezNadzora& naredba, const QStringList& argumenti,
          std::function<void(const QString&)> izlaz)
        : izlaz(naredba.tiho ? nullptr : std::move(izlaz)) {
        if (naredba.dnevnik.isEmpty())
            return;
        dnevnik.setFileName(naredba.dnevnik);
        // Each run's lines after one of its own: when, and with what.
        if (dnevnik.open(QIODevice::Append | QIODevice::Text))
            piši(QStringLiteral("=== ") + QDateTime::currentDateTime().toString(Qt::ISODate) +
                 QStringLiteral(" VelkorZideZizodu22 ") + argumenti.join(u' '));
        else if (this->izlaz)
            this->izlaz(QStringLiteral("Dnevnik se ne može otvoriti: ") + naredba.dnevnik);
    }

    void redak(const QString& tekst) {
        if (izlaz)
            izlaz(tekst);
        piši(tekst);
    }

private:
    void piši(const QString& tekst) {
        if (dnevnik.isOpen()) {
            dnevnik.write(tekst.toUtf8() + '\n');
            dnevnik.flush();
        }
    }

    std::function<void(const QString&)> izlaz;
    QFile dnevnik;
};

QString verzija(const Matrica& matrica, int red) {
    if (red < 0)
        return {};
    return matrica.tekst(red, Stupac::Ver_Gl) + u'.' + matrica.tekst(red, Stupac::Ver_Pom) + u'.' +
           matrica.tekst(red, Stupac::Ver_Rev);
}

QJsonArray stavkePlana(const QList<QStringList>& plan, const Stanje& stanje) {
    QJsonArray stavke;
    for (const QStringList& s : plan) {
        const int stari = NađiRed(stanje.StareVerzije, s.value(0));
        stavke.append(QJsonObject{
            {QStringLiteral("ime"), s.value(0)},
            {QStringLiteral("staraVerzija"), verzija(stanje.StareVerzije, stari)},
            {QStringLiteral("novaVerzija"), s.value(1) + u'.' + s.value(2) + u'.' + s.value(3)},
            {QStringLiteral("velicina"), s.value(4).toLongLong()},
            {QStringLiteral("stvarnaVelicina"), s.value(5).toLongLong()}});
    }
    return stavke;
}

// The names of the plan's items that went through the state.
QJsonArray uStanju(const QList<QStringList>& plan, const NenadziraniProzor& prozor,
                   StanjeStavke stanje) {
    QJsonArray imena;
    for (const QStringList& s : plan)
        if (prozor.stanjaStavki.value(s.value(0)).contains(int(stanje)))
            imena.append(s.value(0));
    return imena;
}

// Items whose fetch began and never ended: what a failed check refused.
QJsonArray nedovršene(const QList<QStringList>& plan, const NenadziraniProzor& prozor) {
    QJsonArray imena;
    for (const QStringList& s : plan) {
        const QSet<int> stanja = prozor.stanjaStavki.value(s.value(0));
        if ((stanja.contains(int(StanjeStavke::Preuzimanje)) ||
             stanja.contains(int(StanjeStavke::KopiranjeSMreze))) &&
            !stanja.contains(int(StanjeStavke::Preuzeto)))
            imena.append(s.value(0));
    }
    return imena;
}

QJsonArray retci(const QStringList& tekstovi) {
    QJsonArray a;
    for (const QString& t : tekstovi)
        if (!t.trimmed().isEmpty())
            a.append(t);
    return a;
}

} // namespace

int IzvediBezNadzora(const QStringList& argumenti, const OkolinaBezNadzora& okolina) {
    QString greška;
    const NaredbaBezNadzora naredba = PročitajNaredbu(argumenti, greška);
    if (!greška.isEmpty()) {
        okolina.greške(greška);
        okolina.greške(QStringLiteral("Pomoć: VelkorZideZizodu22 /?"));
        return PogrešnaNaredba;
    }
    if (naredba.operacija == Operacija::Pomoc) {
        okolina.izlaz(TekstPomoći().chopped(1));
        return 0;
    }

    Ispis ispis(naredba, argumenti, okolina.izlaz);
    NenadziraniProzor prozor(naredba, okolina.sat, [&](const QString& r) { ispis.redak(r); });
    Aplikacija a({okolina.aplikacijskaDirektorija, prozor, okolina.datoteke, okolina.platforma,
                  okolina.spremište, okolina.sat, okolina.regionalno});
    a.detekcija().samoTraži = true;
    QStringList preuzeto;
    a.nakonDownloada = [&](const QString& ime) { preuzeto << ime; };
    const Stanje& stanje = a.stanje();

    bool uspjeh = a.ZaključajInstalaciju();
    QList<QStringList> plan;
    if (uspjeh) {
        const bool provjera = naredba.operacija != Operacija::Distribuiraj;
        uspjeh = a.Pokreni(provjera) && !prozor.završen;
        plan = prozor.plan;
        if (uspjeh && provjera) {
            ispis.redak(plan.isEmpty() ? QStringLiteral("Nema novih verzija.")
                                       : QStringLiteral("Nove verzije:"));
            for (const QJsonValue s : stavkePlana(plan, stanje))
                ispis.redak(QStringLiteral("  ") + s[QStringLiteral("ime")].toString() + u' ' +
                            s[QStringLiteral("staraVerzija")].toString() + QStringLiteral(" -> ") +
                            s[QStringLiteral("novaVerzija")].toString() + QStringLiteral(", ") +
                            QString::number(s[QStringLiteral("velicina")].toInteger()) +
                            QStringLiteral(" bajtova"));
        }
        if (uspjeh && naredba.operacija == Operacija::Azuriraj && !plan.isEmpty())
            uspjeh = a.Ažuriraj() == IshodOperacije::Uspjeh && !prozor.završen;
        if (uspjeh && naredba.operacija == Operacija::Distribuiraj)
            uspjeh = a.Distribuiraj() == IshodOperacije::Uspjeh && !prozor.završen;
        a.OtključajInstalaciju();
    }
    const int kod = IzlazniKod(naredba.operacija, uspjeh, !plan.isEmpty(), stanje);
    ispis.redak(QStringLiteral("Izlazni kod ") + QString::number(kod) + QStringLiteral(": ") +
                ZnačenjeKoda(kod));

    if (naredba.rezultat.isEmpty())
        return kod;
    const bool neuspjeh = kod != 0 && kod != 2 && kod != 27;
    QStringList greške = prozor.greške + stanje.PopisGrešaka.split(QStringLiteral("\r\n"));
    if (neuspjeh)
        greške << (stanje.ZadnjaGreška.isEmpty() ? ZnačenjeKoda(kod) : stanje.ZadnjaGreška);
    greške.removeDuplicates();
    const QJsonObject rezultat{
        {QStringLiteral("izlazniKod"), kod},
        {QStringLiteral("znacenje"), ZnačenjeKoda(kod)},
        {QStringLiteral("stavke"), stavkePlana(plan, stanje)},
        {QStringLiteral("instalirano"), uStanju(plan, prozor, StanjeStavke::Instalirano)},
        {QStringLiteral("preuzeto"), naredba.operacija == Operacija::Distribuiraj
                                         ? QJsonArray::fromStringList(preuzeto)
                                         : uStanju(plan, prozor, StanjeStavke::Preuzeto)},
        {QStringLiteral("odbijeno"), stanje.VrstaZadnjeGreške == VrstaGreske::Provjera && !uspjeh
                                         ? nedovršene(plan, prozor)
                                         : QJsonArray()},
        {QStringLiteral("greske"), retci(greške)}};
    QSaveFile datoteka(naredba.rezultat);
    if (!datoteka.open(QIODevice::WriteOnly) ||
        datoteka.write(QJsonDocument(rezultat).toJson()) < 0 || !datoteka.commit())
        okolina.greške(QStringLiteral("Rezultat se ne može zapisati: ") + naredba.rezultat);
    return kod;
}

} // namespace velkor
