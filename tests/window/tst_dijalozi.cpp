// The message box and the file chooser, answered from a timer as a user would.
#include "support/RegistarTestova.h"
#include "window/Dijalozi.h"
#include "window/frmZideZizodu.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace velkor;

Q_DECLARE_METATYPE(velkor::Ikona)
Q_DECLARE_METATYPE(velkor::Gumbi)
Q_DECLARE_METATYPE(velkor::Odgovor)

namespace {

// Runs `odgovori` on the first modal dialog of type T that appears; gives up
// after a while by closing whatever is modal, so a test never hangs.
template <typename T> void kadSePojavi(std::function<void(T*)> odgovori) {
    auto* mjerač = new QTimer;
    auto pokušaja = std::make_shared<int>(0);
    QObject::connect(mjerač, &QTimer::timeout, [mjerač, pokušaja, odgovori] {
        QWidget* modalni = QApplication::activeModalWidget();
        if (auto* dijalog = qobject_cast<T*>(modalni)) {
            mjerač->stop();
            mjerač->deleteLater();
            odgovori(dijalog);
        } else if (++*pokušaja > 200) {
            mjerač->stop();
            mjerač->deleteLater();
            if (modalni)
                modalni->close();
        }
    });
    mjerač->start(10);
}

struct ViđenaPoruka {
    QString naslov, tekst;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    QStringList gumbi;
};

} // namespace

class TestDijaloga : public QObject {
    Q_OBJECT

private slots:
    void poruka_data() {
        QTest::addColumn<Ikona>("ikona");
        QTest::addColumn<Gumbi>("gumbi");
        QTest::addColumn<QString>("pritisnuti");
        QTest::addColumn<QMessageBox::Icon>("vidljivaIkona");
        QTest::addColumn<QStringList>("natpisi");
        QTest::addColumn<Odgovor>("odgovor");
        const QStringList uRedu{"U redu"};
        const QStringList daNe{"Da", "Ne"};
        QTest::newRow("uskličnik") << Ikona::Usklicnik << Gumbi::URedu << "U redu"
                                   << QMessageBox::Warning << uRedu << Odgovor::URedu;
        QTest::newRow("informacija") << Ikona::Informacija << Gumbi::URedu << "U redu"
                                     << QMessageBox::Information << uRedu << Odgovor::URedu;
        QTest::newRow("kritično") << Ikona::Kriticno << Gumbi::URedu << "U redu"
                                  << QMessageBox::Critical << uRedu << Odgovor::URedu;
        QTest::newRow("bez ikone") << Ikona::Nema << Gumbi::URedu << "U redu" << QMessageBox::NoIcon
                                   << uRedu << Odgovor::URedu;
        QTest::newRow("da") << Ikona::Upitnik << Gumbi::DaNe << "Da" << QMessageBox::Question
                            << daNe << Odgovor::Da;
        QTest::newRow("ne") << Ikona::Upitnik << Gumbi::DaNe << "Ne" << QMessageBox::Question
                            << daNe << Odgovor::Ne;
        QTest::newRow("escape je ne") << Ikona::Upitnik << Gumbi::DaNe << "<Esc>"
                                      << QMessageBox::Question << daNe << Odgovor::Ne;
    }

    void poruka() {
        QFETCH(Ikona, ikona);
        QFETCH(Gumbi, gumbi);
        QFETCH(QString, pritisnuti);
        QFETCH(QMessageBox::Icon, vidljivaIkona);
        QFETCH(QStringList, natpisi);
        QFETCH(Odgovor, odgovor);

        frmZideZizodu prozor;
        ViđenaPoruka viđena;
        kadSePojavi<QMessageBox>([&](QMessageBox* poruka) {
            viđena = {poruka->windowTitle(), poruka->text(), poruka->icon(), {}};
            for (QAbstractButton* gumb : poruka->buttons())
                viđena.gumbi << gumb->text();
            if (pritisnuti == QLatin1String("<Esc>")) {
                QTest::keyClick(poruka, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton* gumb : poruka->buttons()) {
                if (gumb->text() == pritisnuti)
                    gumb->click();
            }
        });
        const Odgovor dobiven =
            prozor.Poruka(QStringLiteral("Nastala je greška!\r\nDrugi redak <b>"), ikona, gumbi);
        QCOMPARE(dobiven, odgovor);
        QCOMPARE(viđena.naslov, QStringLiteral("VelkorZideZizodu22"));
        QCOMPARE(viđena.tekst, QStringLiteral("Nastala je greška!\nDrugi redak <b>"));
        QCOMPARE(viđena.ikona, vidljivaIkona);
        viđena.gumbi.sort();
        natpisi.sort();
        QCOMPARE(viđena.gumbi, natpisi);
    }

    void porukaSVlastitimNaslovom() {
        QString naslov;
        kadSePojavi<QMessageBox>([&](QMessageBox* poruka) {
            naslov = poruka->windowTitle();
            poruka->buttons().value(0)->click();
        });
        PokažiPoruku(nullptr, QStringLiteral("x"), Ikona::Kriticno, Gumbi::URedu,
                     QStringLiteral("Velkor"));
        QCOMPARE(naslov, QStringLiteral("Velkor"));
    }

    void filter_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        const auto red = [](const char* ime, const char* a, const char* b) {
            QTest::newRow(ime) << QString::fromUtf8(a) << QString::fromUtf8(b);
        };
        red("verzije", "Verzije (*.txt)|*.txt", "Verzije (*.txt)");
        red("opis bez uzorka", "Tekst|*.txt", "Tekst (*.txt)");
        red("dva para", "Verzije (*.txt)|*.txt|Sve|*.*", "Verzije (*.txt);;Sve (*.*)");
        red("više uzoraka", "Popisi|*.txt;*.log", "Popisi (*.txt *.log)");
        red("prazan", "", "");
    }

    void filter() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(QtFilter(filter), qt);
    }

    void izborDatoteke() {
        QTemporaryDir mapa;
        QVERIFY(mapa.isValid());
        frmZideZizodu prozor;
        DijalogDatoteke dijalog;
        dijalog.zadanaEkstenzija = QStringLiteral(".txt");
        dijalog.filter = QStringLiteral("Verzije (*.txt)|*.txt");
        dijalog.imeDatoteke = QStringLiteral("Verzije.txt");
        dijalog.naslov =
            QStringLiteral("Izaberite uređaj i direktoriju gdje se nalaze novi Velkor programi");
        dijalog.početnaDirektorija = QDir::toNativeSeparators(mapa.path()) + QDir::separator();
        dijalog.zastavice = 0x280800;

        QString naslov, direktorija, nastavak;
        QStringList filteri;
        kadSePojavi<QFileDialog>([&](QFileDialog* izbornik) {
            naslov = izbornik->windowTitle();
            direktorija = izbornik->directory().absolutePath();
            filteri = izbornik->nameFilters();
            nastavak = izbornik->defaultSuffix();
            izbornik->selectFile(mapa.filePath(QStringLiteral("Verzije.txt")));
            static_cast<QDialog*>(izbornik)->accept();
        });
        const QString izabrana = prozor.IzaberiDatoteku(dijalog);
        QCOMPARE(naslov, dijalog.naslov);
        QCOMPARE(direktorija, QDir(mapa.path()).absolutePath());
        QCOMPARE(filteri, QStringList{"Verzije (*.txt)"});
        QCOMPARE(nastavak, QStringLiteral("txt"));
        // The file need not exist: only its directory is wanted.
        QCOMPARE(izabrana, QDir::toNativeSeparators(mapa.filePath(QStringLiteral("Verzije.txt"))));
    }

    void odustajanjeDajePrazno() {
        frmZideZizodu prozor;
        kadSePojavi<QFileDialog>([](QFileDialog* izbornik) { izbornik->reject(); });
        DijalogDatoteke dijalog;
        dijalog.filter = QStringLiteral("Verzije (*.txt)|*.txt");
        dijalog.početnaDirektorija = QDir::tempPath();
        QCOMPARE(prozor.IzaberiDatoteku(dijalog), QString());
    }
};

VELKOR_TEST(TestDijaloga)
#include "tst_dijalozi.moc"
