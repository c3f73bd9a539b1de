// The message box and the file chooser, answered from a timer as a user would.
#include "base/Slucajevi.h"
#include "support/RegistarTestova.h"
#include "window/frmZideZizodu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace velkor;
using namespace velkor::test;

namespace {

// Answers the first modal dialog of type T that appears; after two seconds
// without one closes whatever is modal, so a test never hangs.
template <typename T> void kadSePojavi(std::function<void(T*)> odgovori, int pokušaja = 200) {
    QTimer::singleShot(10, qApp, [odgovori, pokušaja] {
        QWidget* modalni = QApplication::activeModalWidget();
        if (auto* dijalog = qobject_cast<T*>(modalni))
            odgovori(dijalog);
        else if (pokušaja > 0)
            kadSePojavi(odgovori, pokušaja - 1);
        else if (modalni)
            modalni->close();
    });
}

} // namespace

class TestDijaloga : public QObject {
    Q_OBJECT

private slots:
    // The button pressed: "U redu" in an OK box, "Da" or "Ne" in a Yes/No box; none: Escape.
    void poruka_data() { DodajSlučajeve(QFINDTESTDATA("data/poruke.txt")); }

    // Title, plain text in lines, the icon and the Croatian buttons.
    void poruka() {
        QFETCH(Slučaj, slucaj);
        const QString pritisnuti = slucaj.jedno("pritisnuti");
        const int ikona =
            QStringList{"Nema", "Usklicnik", "Upitnik", "Informacija", "Kriticno"}.indexOf(
                slucaj.jedno("ikona"));
        const int vidljiva =
            QStringList{"NoIcon", "Information", "Warning", "Critical", "Question"}.indexOf(
                slucaj.jedno("vidljiva"));
        const Gumbi gumbi = pritisnuti == "U redu" ? Gumbi::URedu : Gumbi::DaNe;
        const Odgovor odgovor = pritisnuti == "U redu" ? Odgovor::URedu
                                : pritisnuti == "Da"   ? Odgovor::Da
                                                       : Odgovor::Ne;
        frmZideZizodu prozor;
        QStringList viđeno;
        int viđenaIkona = -1;
        kadSePojavi<QMessageBox>([&](QMessageBox* poruka) {
            viđenaIkona = poruka->icon();
            QStringList natpisi;
            QAbstractButton* pritisni = nullptr;
            for (QAbstractButton* gumb : poruka->buttons()) {
                natpisi << gumb->text();
                pritisni = gumb->text() == pritisnuti ? gumb : pritisni;
            }
            natpisi.sort();
            viđeno << poruka->windowTitle() << poruka->text() << natpisi.join('/')
                   << (poruka->textFormat() == Qt::PlainText ? "bez oznaka" : "oznake");
            pritisni ? pritisni->click() : QTest::keyClick(poruka, Qt::Key_Escape);
        });
        QCOMPARE(prozor.Poruka(QStringLiteral("Nastala je greška!\r\nDrugi redak <b>"),
                               Ikona(ikona), gumbi),
                 odgovor);
        QCOMPARE(viđeno, (QStringList{"VelkorZideZizodu22", "Nastala je greška!\nDrugi redak <b>",
                                      gumbi == Gumbi::URedu ? "U redu" : "Da/Ne", "bez oznaka"}));
        QCOMPARE(viđenaIkona, vidljiva);
    }

    // The file need not exist: only its directory is wanted.
    void izborDatoteke() {
        QTemporaryDir mapa;
        frmZideZizodu prozor;
        DijalogDatoteke dijalog;
        dijalog.zadanaEkstenzija = QStringLiteral(".txt");
        dijalog.filter = QStringLiteral("Verzije (*.txt)|*.txt|Popisi|*.txt;*.log");
        dijalog.imeDatoteke = QStringLiteral("Verzije.txt");
        dijalog.naslov = QStringLiteral("Izaberite direktoriju");
        dijalog.početnaDirektorija = QDir::toNativeSeparators(mapa.path()) + QDir::separator();
        QStringList viđeno;
        kadSePojavi<QFileDialog>([&](QFileDialog* izbornik) {
            viđeno << izbornik->windowTitle() << izbornik->directory().absolutePath()
                   << izbornik->nameFilters() << izbornik->defaultSuffix();
            izbornik->selectFile(mapa.filePath(QStringLiteral("Verzije.txt")));
            static_cast<QDialog*>(izbornik)->accept();
        });
        QCOMPARE(prozor.IzaberiDatoteku(dijalog),
                 QDir::toNativeSeparators(mapa.filePath(QStringLiteral("Verzije.txt"))));
        QCOMPARE(viđeno, (QStringList{dijalog.naslov, QDir(mapa.path()).absolutePath(),
                                      "Verzije (*.txt)", "Popisi (*.txt *.log)", "txt"}));
        kadSePojavi<QFileDialog>([](QFileDialog* izbornik) { izbornik->reject(); });
        QCOMPARE(prozor.IzaberiDatoteku(dijalog), QString());
    }
};

VELKOR_TEST(TestDijaloga)
#include "tst_dijalozi.moc"
