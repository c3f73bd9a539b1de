#include "PostavaPreuzimanja.h"
#include "support/RegistarTestova.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>

using namespace velkor;
using namespace velkor::test;
using Ponašanje = LokalniPoslužitelj::Ponašanje;

namespace {
const QString Ime = QStringLiteral("Paket.7z");
// Odd: the half that is sent, doubled, is not the announced length.
constexpr qsizetype Veličina = 300 * 1024 + 5;
} // namespace

// Every way a download fails, by both engines: never a success, the old file
// kept and nothing left beside it.
class TestNeuspjehaPreuzimanja : public QObject {
    Q_OBJECT

private slots:
    void neuspjeh_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<int>("ponašanje");
        QTest::addColumn<QString>("domacin"); // empty: the local server
        QTest::addColumn<QString>("uzrok");
        QTest::addColumn<bool>("putGreske");
        const auto točno = [](const QString& tekst) { return QRegularExpression::escape(tekst); };
        const QString prekinuto = "Udaljeno računalo je prekinulo vezu prije kraja prijenosa "
                                  "(primljeno " +
                                  QString::number(Veličina / 2);
        for (bool https : {true, false}) {
            const char* e = https ? "https" : "http";
            QTest::addRow("%s, 404", e) << https << int(Ponašanje::NijePronadeno) << QString()
                                        << "HTTP status 404 Not Found" << !https;
            QTest::addRow("%s, prekinuta duljina", e)
                << https << int(Ponašanje::PrekinutaVeza) << QString()
                << točno(prekinuto + " od " + QString::number(Veličina) + " bajtova)") << !https;
            QTest::addRow("%s, prekinuti dijelovi", e)
                << https << int(Ponašanje::DijeloviPrekinuti) << QString()
                << točno(prekinuto + " bajtova, kraj podataka nije stigao)") << !https;
            // A stall takes the error path in both engines.
            QTest::addRow("%s, zastoj", e)
                << https << int(Ponašanje::Zastoj) << QString()
                << "Prijenos je zastao: ništa nije primljeno 1 s" << true;
        }
        QTest::newRow("https, 500") << true << int(Ponašanje::GreskaPosluzitelja) << QString()
                                    << "HTTP status 500 Internal Server Error" << false;
        QTest::newRow("https, neispravna statusna linija")
            << true << int(Ponašanje::NeispravanStatus) << QString()
            << "Neispravan odgovor poslužitelja \\(.+\\)" << false;
        QTest::newRow("https, nepoznat domaćin")
            << true << int(Ponašanje::Normalno) << "nepostojeci.invalid"
            << "Udaljena adresa nije pronađena \\(.+\\)" << false;
        QTest::newRow("http, nedostupan domaćin") << false << int(Ponašanje::Normalno) << "zatvoren"
                                                  << "Udaljeno računalo je odbilo vezu.*" << true;
    }

    void neuspjeh() {
        QFETCH(bool, https);
        QFETCH(int, ponašanje);
        QFETCH(QString, domacin);
        QFETCH(QString, uzrok);
        QFETCH(bool, putGreske);
        PostavaPreuzimanja p;
        p.objavi(Ime, uzorak(Veličina), Ponašanje(ponašanje));
        p.zapišiStaro(Ime);
        if (domacin == QStringLiteral("zatvoren")) {
            QTcpServer zatvoren;
            QVERIFY(zatvoren.listen(QHostAddress::LocalHost));
            domacin = "127.0.0.1:" + QString::number(zatvoren.serverPort());
        }
        if (!domacin.isEmpty())
            p.postaviPrimarni(domacin);
        p.preuzimanje->PostaviVrijemeZastoja(1000);

        QVERIFY(!p.preuzmi(https, Ime));

        provjeriNeuspjeh(p, https, Ime, uzrok, putGreske);
    }
    void certifikatBezPovjerenja_data() {
        QTest::addColumn<QString>("ca");
        QTest::newRow("bez dodatnih") << QString();
        // A certificate that is no authority vouches for nothing.
        QTest::newRow("certifikat poslužitelja")
            << QFileInfo(LokalniPoslužitelj::PutanjaCa()).path() + "/posluzitelj.pem";
    }

    void certifikatBezPovjerenja() {
        QFETCH(QString, ca);
        PostavaPreuzimanja p{ca};
        p.objavi(Ime, "tajno");
        QVERIFY(!p.preuzmi(true, Ime));
        provjeriNeuspjeh(p, true, Ime,
                         "Sigurna veza nije uspostavljena: certifikat poslužitelja nije valjan "
                         "\\(.+\\)");
    }

    void lokalnaDatotekaSeNeMozeZapisati() {
        PostavaPreuzimanja p;
        p.objavi(Ime, "sadržaj");
        const QString nema = p.okruženje.baza() + QStringLiteral("Nema/");
        QVERIFY(!p.preuzimanje->DownChilkat(Ime, nema));
        provjeriNeuspjeh(
            p, true, Ime,
            QRegularExpression::escape("Nije moguće zapisati datoteku " + nema + Ime) + ".*", true);
        QVERIFY(!QFileInfo::exists(nema));
    }
};

VELKOR_TEST(TestNeuspjehaPreuzimanja)
#include "tst_neuspjeh.moc"
