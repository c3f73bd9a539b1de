// The controls of the main window: captions, tabs, colour, status, progress.
#include "support/RegistarTestova.h"
#include "window/frmZideZizodu.h"

#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>

using namespace velkor;

namespace {

template <typename T = QWidget> T* kontrola(const frmZideZizodu& prozor, const char* ime) {
    return prozor.findChild<T*>(QLatin1String(ime));
}

} // namespace

class TestKontrola : public QObject {
    Q_OBJECT

private slots:
    void natpisi_data() {
        QTest::addColumn<QString>("tekst");
        const auto red = [](const char* ime, const char* tekst) {
            QTest::newRow(ime) << QString::fromUtf8(tekst);
        };
        red("SSTab1", "&Potrebna &ažuriranja|Poruke o &akcijama|Poruke o &greškama|Kopiranje "
                      "novih (svih) programa na disk/mrežnu lokaciju");
        red("cmdVerzija", "Provjeri postoje li nove verzije i pripremi za download/prijenos");
        red("cmdIzlaz", "Izlaz");
        red("cmdDownloadAndUpdate", "Download programa i instalacija");
        red("cmdDownlNaLokaciju", "Presnimavanje datoteka na unesenu lokaciju");
        red("fraLokacija", "Lokacija ažuriranja - novih verzija");
        red("optLokacija_1", "Sa mrežne lokacije");
        red("lblInfo", "Ukoliko ažuriranje ne ide sa jedne web adrese, koristite drugu");
        red("Label1", "Lokacija za presnimavanje novih programa i komponenti radi distribucije u "
                      "mreži (prvo treba ažurirati lokalno računalo)");
        red("lblVrijemeDownloada", "Vrijeme automatskog preuzimanja novih verzija svakih n sati "
                                   "(0-23) 0-ne preuzimati automatski:");
        red("lblVrijemePrijenosa", "");
        red("SBarPanel1", "Trenutna akcija");
        red("SBarPanel2", "Trenutno stanje");
    }

    void natpisi() {
        QFETCH(QString, tekst);
        frmZideZizodu prozor;
        QWidget* k = kontrola(prozor, QTest::currentDataTag());
        QVERIFY(k);
        QString natpis = k->property(k->property("title").isValid() ? "title" : "text").toString();
        if (auto* kartice = qobject_cast<QTabWidget*>(k)) {
            for (int i = 0; i < kartice->count(); ++i)
                natpis += (i ? "|" : "") + kartice->tabText(i);
        }
        QCOMPARE(natpis, tekst);
    }

    void naslovIStatus() {
        frmZideZizodu prozor;
        QCOMPARE(prozor.windowTitle(),
                 QStringLiteral("Velkor Live Update - Automatsko ažuriranje Velk-or programa"));
        prozor.PostaviNaslov(QStringLiteral("Naslov V22.1.1"));
        QCOMPARE(prozor.windowTitle(), QStringLiteral("Naslov V22.1.1"));
        prozor.PostaviStatus1(QStringLiteral("Preuzimanje"));
        prozor.PostaviStatus2(QStringLiteral("Verzije.txt"));
        QCOMPARE(prozor.Status1(), QStringLiteral("Preuzimanje"));
        QCOMPARE(prozor.Status2(), QStringLiteral("Verzije.txt"));
        QCOMPARE(kontrola<QLabel>(prozor, "SBarPanel1")->text(), QStringLiteral("Preuzimanje"));
        QCOMPARE(kontrola<QLabel>(prozor, "SBarPanel2")->text(), QStringLiteral("Verzije.txt"));
    }

    void zakljucavanjeOperacija() {
        frmZideZizodu prozor;
        QWidget* verzija = kontrola(prozor, "cmdVerzija");
        QWidget* download = kontrola(prozor, "cmdDownloadAndUpdate");
        QWidget* lokacija = kontrola(prozor, "cmdDownlNaLokaciju");
        prozor.OmogućiDownload(false);
        prozor.ZaključajOperacije(true);
        QVERIFY(!verzija->isEnabled() && !download->isEnabled() && !lokacija->isEnabled());
        // What the operation sets meanwhile is what comes back.
        prozor.OmogućiDownload(true);
        QVERIFY(!download->isEnabled() && prozor.DownloadOmogućen());
        prozor.ZaključajOperacije(false);
        QVERIFY(verzija->isEnabled() && download->isEnabled() && lokacija->isEnabled());
        prozor.OmogućiDownload(false);
        prozor.ZaključajOperacije(true);
        prozor.ZaključajOperacije(false);
        QVERIFY(!download->isEnabled() && verzija->isEnabled());
    }

    void boja() {
        frmZideZizodu prozor;
        prozor.PostaviBoju(14277323); // 0xD9DACB: red in the lowest byte
        const QColor boja(0xCB, 0xDA, 0xD9);
        QCOMPARE(kontrola(prozor, "fgAzuriranja")->palette().color(QPalette::Base), boja);
        QList<QWidget*> obojene{&prozor};
        for (const char* ime : {"optLokacija_0", "optLokacija_1", "optLokacija_2", "SSTab1",
                                "fraLokacija", "fgAzuriranja", "lblInfo"})
            obojene << kontrola(prozor, ime);
        auto* kartice = kontrola<QTabWidget>(prozor, "SSTab1");
        for (int i = 0; i < kartice->count(); ++i)
            obojene << kartice->widget(i);
        // Behind an option's text too, which buttons fill from their own role.
        for (QWidget* k : obojene) {
            QVERIFY2(k->autoFillBackground(), qPrintable(k->objectName()));
            QCOMPARE(k->palette().color(k->backgroundRole()), boja);
            QCOMPARE(k->palette().color(QPalette::Window), boja);
        }
        for (const char* ime : {"cmdIzlaz", "cmdVerzija", "txtPor", "Label1", "SBar"}) {
            const QWidget* k = kontrola(prozor, ime);
            QVERIFY2(!k->autoFillBackground(), ime);
            QVERIFY2(k->palette().color(QPalette::Base) != boja, ime);
            QVERIFY2(k->palette().color(QPalette::Button) != boja, ime);
        }
    }

    void progresPrekrivaGumb() {
        frmZideZizodu prozor;
        prozor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prozor));
        QWidget* gumb = kontrola(prozor, "cmdVerzija");
        auto* traka = kontrola<QProgressBar>(prozor, "progBar");
        QVERIFY(gumb && traka && !traka->isVisible());
        prozor.move(40, 30);
        prozor.resize(980, 700);
        QCoreApplication::processEvents();
        gumb->raise();
        prozor.PrikažiProgres(0, 30);
        prozor.PostaviProgres(17);
        QCOMPARE(prozor.Progres(), 17);
        prozor.PrikažiProgres(0, 30);
        QVERIFY(traka->isVisible());
        QCOMPARE(traka->parentWidget(), gumb->parentWidget());
        QCOMPARE(traka->geometry(), gumb->geometry());
        QCOMPARE((QList<int>{traka->minimum(), traka->maximum(), traka->value(), prozor.Progres()}),
                 (QList<int>{0, 30, 0, 0}));
        // In front of the button: it is what the user sees there.
        QCOMPARE(gumb->parentWidget()->childAt(gumb->geometry().center()), traka);
        // It stays over the button when the layout moves it.
        prozor.resize(820, 600);
        QTRY_COMPARE(traka->geometry(), gumb->geometry());
        prozor.SakrijProgres();
        QVERIFY(!traka->isVisible());
        QCOMPARE(gumb->parentWidget()->childAt(gumb->geometry().center()), gumb);
    }
};

VELKOR_TEST(TestKontrola)
#include "tst_kontrole.moc"
