// The controls of the main window: names, captions, tabs, colour, status, progress.
#include "support/RegistarTestova.h"
#include "window/frmZideZizodu.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace velkor;

namespace {

QString natpis(QObject* kontrola) {
    if (auto* gumb = qobject_cast<QAbstractButton*>(kontrola))
        return gumb->text();
    if (auto* oznaka = qobject_cast<QLabel*>(kontrola))
        return oznaka->text();
    if (auto* okvir = qobject_cast<QGroupBox*>(kontrola))
        return okvir->title();
    return QStringLiteral("<bez natpisa>");
}

} // namespace

class TestKontrola : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void natpisi_data() {
        QTest::addColumn<QString>("ime");
        QTest::addColumn<QString>("tekst");
        const auto red = [](const char* ime, const char* a, const char* b) {
            QTest::newRow(ime) << QString::fromUtf8(a) << QString::fromUtf8(b);
        };
        red("cmdVerzija", "cmdVerzija",
            "Provjeri postoje li nove verzije i pripremi za download/prijenos");
        red("cmdIzlaz", "cmdIzlaz", "Izlaz");
        red("cmdDownloadAndUpdate", "cmdDownloadAndUpdate", "Download programa i instalacija");
        red("cmdDownlNaLokaciju", "cmdDownlNaLokaciju",
            "Presnimavanje datoteka na unesenu lokaciju");
        red("fraLokacija", "fraLokacija", "Lokacija ažuriranja - novih verzija");
        red("optLokacija_1", "optLokacija_1", "Sa mrežne lokacije");
        red("lblInfo", "lblInfo", "Ukoliko ažuriranje ne ide sa jedne web adrese, koristite drugu");
        red("Label1", "Label1",
            "Lokacija za presnimavanje novih programa i komponenti radi distribucije u mreži (prvo "
            "treba ažurirati lokalno računalo)");
        red("numVrijemeDownloada", "lblVrijemeDownloada",
            "Vrijeme automatskog preuzimanja novih verzija svakih n sati (0-23) 0-ne preuzimati "
            "automatski:");
        red("panel 1", "SBarPanel1", "Trenutna akcija");
        red("panel 2", "SBarPanel2", "Trenutno stanje");
        red("lblVrijemePrijenosa", "lblVrijemePrijenosa", "");
    }

    void natpisi() {
        QFETCH(QString, ime);
        QFETCH(QString, tekst);
        frmZideZizodu prozor;
        QObject* kontrola = prozor.findChild<QObject*>(ime);
        QVERIFY2(kontrola, qPrintable(ime));
        QCOMPARE(natpis(kontrola), tekst);
    }

    void karticeRedomINatpisima() {
        frmZideZizodu prozor;
        auto* kartice = prozor.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        QVERIFY(kartice);
        QCOMPARE(kartice->count(), 4);
        QCOMPARE(kartice->tabText(0), QStringLiteral("&Potrebna &ažuriranja"));
        QCOMPARE(kartice->tabText(1), QStringLiteral("Poruke o &akcijama"));
        QCOMPARE(kartice->tabText(2), QStringLiteral("Poruke o &greškama"));
        QCOMPARE(kartice->tabText(3),
                 QStringLiteral("Kopiranje novih (svih) programa na disk/mrežnu lokaciju"));
        QCOMPARE(kartice->currentIndex(), 0);
        // Each tab holds its own controls.
        QVERIFY(kartice->widget(0)->findChild<QWidget*>(QStringLiteral("fgAzuriranja")));
        QVERIFY(kartice->widget(0)->findChild<QWidget*>(QStringLiteral("cmdDownloadAndUpdate")));
        QVERIFY(kartice->widget(1)->findChild<QWidget*>(QStringLiteral("txtPor")));
        QVERIFY(kartice->widget(2)->findChild<QWidget*>(QStringLiteral("txtPorGr")));
        for (const char* ime : {"Label1", "txtLokacija_1", "cmdLokacija_1", "cmdDownlNaLokaciju",
                                "lblVrijemePrijenosa", "numVrijemeDownloada"})
            QVERIFY2(kartice->widget(3)->findChild<QWidget*>(QLatin1String(ime)), ime);

        prozor.PrikažiKarticu(2);
        QCOMPARE(kartice->currentIndex(), 2);
    }

    void izvorUOkviru() {
        frmZideZizodu prozor;
        auto* okvir = prozor.findChild<QGroupBox*>(QStringLiteral("fraLokacija"));
        QVERIFY(okvir);
        for (const char* ime : {"optLokacija_0", "optLokacija_1", "optLokacija_2", "txtLokacija_0",
                                "cmdLokacija_0", "lblInfo"})
            QVERIFY2(okvir->findChild<QWidget*>(QLatin1String(ime)), ime);
        QCOMPARE(prozor.OdabranaOpcija(), 2);
        prozor.PostaviNatpisOpcije(0, QStringLiteral("Internet (https://b/download/Verzija22)"));
        QCOMPARE(natpis(prozor.findChild<QObject*>(QStringLiteral("optLokacija_0"))),
                 QStringLiteral("Internet (https://b/download/Verzija22)"));
    }

    void naslov() {
        frmZideZizodu prozor;
        QCOMPARE(prozor.windowTitle(),
                 QStringLiteral("Velkor Live Update - Automatsko ažuriranje Velk-or programa"));
        prozor.PostaviNaslov(QStringLiteral("Naslov V22.1.1"));
        QCOMPARE(prozor.windowTitle(), QStringLiteral("Naslov V22.1.1"));
    }

    void zakljucavanjeOperacija() {
        frmZideZizodu prozor;
        auto* verzija = prozor.findChild<QAbstractButton*>(QStringLiteral("cmdVerzija"));
        auto* download = prozor.findChild<QAbstractButton*>(QStringLiteral("cmdDownloadAndUpdate"));
        auto* lokacija = prozor.findChild<QAbstractButton*>(QStringLiteral("cmdDownlNaLokaciju"));
        prozor.OmogućiDownload(false);
        prozor.ZaključajOperacije(true);
        QVERIFY(!verzija->isEnabled() && !download->isEnabled() && !lokacija->isEnabled());
        // What the operation sets meanwhile is what comes back.
        prozor.OmogućiDownload(true);
        QVERIFY(!download->isEnabled());
        QVERIFY(prozor.DownloadOmogućen());
        prozor.ZaključajOperacije(false);
        QVERIFY(verzija->isEnabled() && download->isEnabled() && lokacija->isEnabled());

        prozor.OmogućiDownload(false);
        prozor.ZaključajOperacije(true);
        prozor.ZaključajOperacije(false);
        QVERIFY(!download->isEnabled());
        QVERIFY(verzija->isEnabled());
    }

    void oknaIBrojevi() {
        frmZideZizodu prozor;
        for (const char* ime : {"txtPor", "txtPorGr"}) {
            auto* okno = prozor.findChild<QPlainTextEdit*>(QLatin1String(ime));
            QVERIFY2(okno && okno->isReadOnly(), ime);
        }
        prozor.PrikažiIzvještajRada(QStringLiteral("prvi\r\ndrugi"));
        prozor.PrikažiPopisGrešaka(QStringLiteral("greška"));
        QCOMPARE(prozor.findChild<QPlainTextEdit*>(QStringLiteral("txtPor"))->toPlainText(),
                 QStringLiteral("prvi\ndrugi"));
        QCOMPARE(prozor.findChild<QPlainTextEdit*>(QStringLiteral("txtPorGr"))->toPlainText(),
                 QStringLiteral("greška"));

        auto* broj = prozor.findChild<QSpinBox*>(QStringLiteral("numVrijemeDownloada"));
        QVERIFY(broj);
        QCOMPARE(broj->minimum(), 0);
        QCOMPARE(broj->maximum(), 23);
        prozor.PostaviVrijemeDownloada(30);
        QCOMPARE(prozor.VrijemeDownloada(), 23);

        QVERIFY(prozor.DownloadOmogućen());
        prozor.OmogućiDownload(false);
        QVERIFY(!prozor.DownloadOmogućen());
        QVERIFY(!prozor.findChild<QWidget*>(QStringLiteral("cmdDownloadAndUpdate"))->isEnabled());

        prozor.PostaviTekstLokacije(1, QStringLiteral("/mnt/dist/"));
        QCOMPARE(prozor.TekstLokacije(1), QStringLiteral("/mnt/dist/"));
        prozor.PostaviVrijemePrijenosa(QStringLiteral("Vrijeme prijenosa: ,25 s"));
        QCOMPARE(prozor.VrijemePrijenosa(), QStringLiteral("Vrijeme prijenosa: ,25 s"));
    }

    void boja_data() {
        QTest::addColumn<quint32>("vrijednost");
        QTest::addColumn<QColor>("boja");
        QTest::newRow("zadana") << quint32(14277323) << QColor(0xCB, 0xDA, 0xD9);
        QTest::newRow("crvena u najnižem bajtu") << quint32(0x0000FF) << QColor(255, 0, 0);
        QTest::newRow("plava u trećem") << quint32(0x123456) << QColor(0x56, 0x34, 0x12);
    }

    void boja() {
        QFETCH(quint32, vrijednost);
        QFETCH(QColor, boja);
        frmZideZizodu prozor;
        prozor.PostaviBoju(vrijednost);
        for (const char* ime : {"frmZideZizodu", "optLokacija_0", "optLokacija_1", "optLokacija_2",
                                "SSTab1", "fraLokacija", "fgAzuriranja", "lblInfo"}) {
            auto* kontrola = ime == QByteArray("frmZideZizodu")
                                 ? static_cast<QWidget*>(&prozor)
                                 : prozor.findChild<QWidget*>(QLatin1String(ime));
            QVERIFY2(kontrola, ime);
            QCOMPARE(kontrola->palette().color(QPalette::Window), boja);
            QVERIFY2(kontrola->autoFillBackground(), ime);
        }
        // What the user sees behind an option and on a page is that colour.
        auto* opcija = prozor.findChild<QWidget*>(QStringLiteral("optLokacija_2"));
        QCOMPARE(opcija->palette().color(opcija->backgroundRole()), boja);
        auto* kartice = prozor.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        for (int i = 0; i < kartice->count(); ++i) {
            QVERIFY(kartice->widget(i)->autoFillBackground());
            QCOMPARE(kartice->widget(i)->palette().color(QPalette::Window), boja);
        }
        QCOMPARE(prozor.findChild<QWidget*>(QStringLiteral("fgAzuriranja"))
                     ->palette()
                     .color(QPalette::Base),
                 boja);
        // Nothing else is coloured.
        for (const char* ime : {"cmdIzlaz", "cmdVerzija", "txtPor", "Label1", "SBar"}) {
            auto* kontrola = prozor.findChild<QWidget*>(QLatin1String(ime));
            QVERIFY2(!kontrola->autoFillBackground(), ime);
            QVERIFY2(kontrola->palette().color(QPalette::Base) != boja, ime);
            QVERIFY2(kontrola->palette().color(QPalette::Button) != boja, ime);
        }
    }

    void statusniPaneli() {
        frmZideZizodu prozor;
        prozor.PostaviStatus1(QStringLiteral("Preuzimanje"));
        prozor.PostaviStatus2(QStringLiteral("Verzije.txt"));
        QCOMPARE(prozor.Status1(), QStringLiteral("Preuzimanje"));
        QCOMPARE(prozor.Status2(), QStringLiteral("Verzije.txt"));
        QCOMPARE(natpis(prozor.findChild<QLabel*>(QStringLiteral("SBarPanel1"))),
                 QStringLiteral("Preuzimanje"));
        QCOMPARE(natpis(prozor.findChild<QLabel*>(QStringLiteral("SBarPanel2"))),
                 QStringLiteral("Verzije.txt"));
        auto* traka = prozor.findChild<QStatusBar*>(QStringLiteral("SBar"));
        QVERIFY(traka);
        QCOMPARE(traka->findChildren<QLabel*>().size(), 4);
    }

    void datumIVrijeme() {
        frmZideZizodu prozor;
        auto* datum = prozor.findChild<QLabel*>(QStringLiteral("SBarPanel3"));
        auto* vrijeme = prozor.findChild<QLabel*>(QStringLiteral("SBarPanel4"));
        QVERIFY(datum && vrijeme);
        const QDate danas = QDate::currentDate();
        const QDate prikazan =
            QDate::fromString(datum->text(), QLocale().dateFormat(QLocale::ShortFormat));
        QVERIFY2(prikazan == danas || prikazan == danas.addDays(-1), qPrintable(datum->text()));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"))
                     .match(vrijeme->text())
                     .hasMatch(),
                 qPrintable(vrijeme->text()));
        const QTime sada = QTime::fromString(vrijeme->text(), QStringLiteral("HH:mm:ss"));
        QVERIFY(qAbs(sada.secsTo(QTime::currentTime())) <= 2 ||
                qAbs(sada.secsTo(QTime::currentTime())) >= 86398);
        // Kept current by the clock.
        const QString prije = vrijeme->text();
        QTRY_VERIFY_WITH_TIMEOUT(vrijeme->text() != prije, 3000);
    }

    void progresPrekrivaGumb() {
        frmZideZizodu prozor;
        prozor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prozor));
        auto* gumb = prozor.findChild<QWidget*>(QStringLiteral("cmdVerzija"));
        auto* traka = prozor.findChild<QProgressBar*>(QStringLiteral("progBar"));
        QVERIFY(gumb && traka);
        QVERIFY(!traka->isVisible());

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
        QCOMPARE(traka->minimum(), 0);
        QCOMPARE(traka->maximum(), 30);
        QCOMPARE(traka->value(), 0);
        QCOMPARE(prozor.Progres(), 0);
        // In front of the button: it is what the user sees there.
        QCOMPARE(gumb->parentWidget()->childAt(gumb->geometry().center()), traka);

        // It stays over the button when the layout moves it.
        prozor.resize(820, 600);
        QTRY_COMPARE(traka->geometry(), gumb->geometry());

        prozor.SakrijProgres();
        QVERIFY(!traka->isVisible());
        QCOMPARE(gumb->parentWidget()->childAt(gumb->geometry().center()), gumb);
    }

    void najmanjaVelicina() {
        frmZideZizodu prozor;
        QVERIFY(prozor.minimumWidth() >= 640);
        QVERIFY(prozor.minimumHeight() >= 480);
    }
};

VELKOR_TEST(TestKontrola)
#include "tst_kontrole.moc"
