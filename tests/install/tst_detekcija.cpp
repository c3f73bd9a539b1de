#include "install/DetekcijaPrograma.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QSet>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

const QString PitanjePokrenutih =
    "Postoje pokrenuti programi:\r\n{popis}\r\nDa bi nastavili sa daljom instalacijom moraju se "
    "zatvoriti svi otvoreni programi!\r\nZa nastavak rada (i ponovnu provjeru) pritisnite Da "
    "(Yes), za prekid instalacije pritisnuti Ne (No) ?";
const QString PitanjeOdustajanja =
    "Ukoliko prekinete sa ažuriranjem novih verzija, izgubiće se svi novi učitani programi, pa "
    "će se to morati ponoviti.\r\nŽelite li zaista prekinuti sa ažuriranjem programa sa novim "
    "verzijama?";

} // namespace

class TestDetekcija : public QObject {
    Q_OBJECT

private slots:
    // The data file as the suite's programs name themselves.
    void tabela() {
        const QList<ProzorPrograma> t = TabelaProzoraPrograma();
        QCOMPARE(t.size(), 34);
        QCOMPARE(t.last().naslov, "Velkor pomoć");
        QCOMPARE(t.last().ime, "Velkor pomoć");
        int razmak22 = 0, v22 = 0, isti = 0;
        QSet<QString> naslovi;
        for (const ProzorPrograma& r : t.first(33)) {
            razmak22 += r.naslov.endsWith(" 22");
            v22 += r.naslov.endsWith("_V22");
            isti += r.naslov == r.ime;
            naslovi << r.naslov.toLower();
        }
        QCOMPARE(razmak22, 32);
        QCOMPARE(v22, 1);
        QCOMPARE(isti, 22);
        QCOMPARE(naslovi.size(), 33);
    }

    void minimiziraniSePrikazuje() {
        Okruženje o;
        o.platforma.prozori = {{"PLAĆE 22", true}, {"Glavna knjiga 22", false}};
        DetekcijaPrograma d(o.platforma, o.prozor, o.aplikacija().dnevnik());
        QCOMPARE(d.NađiPokrenutePrograme(), "Glavna knjiga 22\r\nPlaće 22\r\n");
        QCOMPARE(o.platforma.traženiNaslovi.size(), 34);
        QCOMPARE(o.platforma.radnjeSProzorima,
                 QStringList({"1042 Glavna knjiga 22", "1042 PLAĆE 22", "minimizirano PLAĆE 22"}));
    }

    // odgovori: D = Da, N = Ne; tijek: P = the list box, O = the giving-up box.
    void dijalog_data() {
        QTest::addColumn<QStringList>("otvoreni");
        QTest::addColumn<QString>("odgovori");
        QTest::addColumn<QString>("tijek");
        QTest::addColumn<QString>("popis");
        QTest::newRow("ništa otvoreno") << QStringList{} << ""
                                        << ""
                                        << "";
        QTest::newRow("Da provjerava ponovno, Ne pa Da odustaje")
            << QStringList{"Plaće 22", "Fakturiranje 22"} << "DND"
            << "PPO"
            << "Velkor Fakturiranje 22\r\nPlaće 22\r\n";
        QTest::newRow("Ne pa Ne vraća na provjeru") << QStringList{"JOPPD_V22"} << "NNND"
                                                    << "POPO"
                                                    << "JOPPD_V22\r\n";
        QTest::newRow("samo pomoć") << QStringList{"Velkor pomoć"} << "ND"
                                    << "PO"
                                    << "Velkor pomoć\r\n";
    }

    void dijalog() {
        QFETCH(QStringList, otvoreni);
        QFETCH(QString, odgovori);
        QFETCH(QString, tijek);
        QFETCH(QString, popis);
        Okruženje o;
        for (const QString& naslov : otvoreni)
            o.platforma.prozori.insert(naslov, false);
        for (QChar z : odgovori)
            o.prozor.odgovori << (z == 'D' ? Odgovor::Da : Odgovor::Ne);
        DetekcijaPrograma d(o.platforma, o.prozor, o.aplikacija().dnevnik());

        QCOMPARE(d.DijalogPokrenutihPrograma(), tijek.isEmpty());
        QStringList očekivaniLog;
        QCOMPARE(o.prozor.poruke.size(), tijek.size());
        for (qsizetype i = 0; i < tijek.size(); ++i) {
            const bool prvo = tijek[i] == 'P';
            const ZapisPoruke& p = o.prozor.poruke[i];
            QCOMPARE(p.tekst, prvo ? QString(PitanjePokrenutih).replace("{popis}", popis)
                                   : PitanjeOdustajanja);
            QCOMPARE(p.ikona, Ikona::Upitnik);
            QCOMPARE(p.gumbi, Gumbi::DaNe);
            QCOMPARE(p.naslov, ZadaniNaslov);
            if (prvo)
                očekivaniLog << "UpdatePrograma- Postoje startovani programi " + popis;
        }
        if (!tijek.isEmpty())
            očekivaniLog << "UpdatePrograma- Korisnik odustaje";
        QCOMPARE(o.porukeLoga(), očekivaniLog);
    }
};

VELKOR_TEST(TestDetekcija)
#include "tst_detekcija.moc"
