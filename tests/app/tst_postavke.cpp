#include "support/Okruzje.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include <QSettings>

using namespace velkor;
using namespace velkor::test;

class TestPostavke : public QObject {
    Q_OBJECT

private slots:
    void postavke_data() { DodajSlučajeve(QFINDTESTDATA("data/postavke.txt")); }

    void postavke() {
        QFETCH(Slučaj, slucaj);
        Okruženje o;
        for (const QString& s : Zamijeni(slucaj.sve("spremi"), o))
            o.spremiPostavku(s.section('/', 0, 0), s.section('=', 0, 0).section('/', 1),
                             s.section('=', 1));
        for (const QString& s : slucaj.sve("okolina"))
            o.platforma.okolina.insert(s.section('=', 0, 0), s.section('=', 1));
        const QStringList prije = Zamijeni({slucaj.jedno("prije", "2|||0")}, o)[0].split('|');
        o.prozor.opcija = prije[0].toInt();
        o.prozor.lokacije = {prije[1], prije[2]};
        o.prozor.vrijemeDownloada = prije[3].toInt();
        o.prozor.izabraneDatoteke.append(slucaj.sve("izbor"));

        Aplikacija& a = o.aplikacija();
        const QString radnja = slucaj.jedno("radnja");
        const int indeks = radnja.section(' ', 1).toInt();
        if (radnja == "UčitajPostavke")
            a.postavke().UčitajPostavke();
        else if (radnja == "numVrijemeDownloada_Change")
            a.numVrijemeDownloada_Change();
        else if (radnja.startsWith("optLokacija_Click"))
            a.optLokacija_Click(indeks);
        else if (radnja.startsWith("cmdLokacija_Click"))
            a.cmdLokacija_Click(indeks);
        else if (radnja.startsWith("txtLokacija_Validate"))
            a.txtLokacija_Validate(indeks);

        const QStringList poslije{QString::number(o.prozor.opcija), o.prozor.lokacije[0],
                                  o.prozor.lokacije[1], QString::number(o.prozor.vrijemeDownloada),
                                  a.stanje().KoristiChilkat ? "da" : "ne"};
        QCOMPARE(poslije.join('|'),
                 Zamijeni({slucaj.jedno("poslije", prije.join('|') + "|da")}, o)[0]);
        QSettings ini(o.putanjaPostavki(), QSettings::IniFormat);
        QStringList spremljeno;
        for (const QString& ključ : ini.allKeys())
            spremljeno << ključ + '=' + ini.value(ključ).toString();
        QCOMPARE(spremljeno, Zamijeni(slucaj.sve("spremljeno"), o));
        QCOMPARE(Poruke(o.prozor), slucaj.sve("poruka"));
        QCOMPARE(QString::number(a.postavke().BojaIntegratora()), slucaj.jedno("boja", "14277323"));
        QStringList dijalozi;
        for (const DijalogDatoteke& d : o.prozor.dijalozi)
            dijalozi << d.naslov + '|' + d.imeDatoteke + '|' + d.zadanaEkstenzija + '|' +
                            d.početnaDirektorija + '|' + d.filter;
        QCOMPARE(dijalozi, slucaj.sve("dijalog"));
        if (slucaj.polja.contains("natpis"))
            QCOMPARE(QStringList(o.prozor.natpisi.begin(), o.prozor.natpisi.end()),
                     slucaj.sve("natpis"));
    }
};

VELKOR_TEST(TestPostavke)
#include "tst_postavke.moc"
