// The message box and the file chooser, answered from a timer as a user would.
#include "support/RegistarTestova.h"
#include "window/Dijalozi.h"
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

Q_DECLARE_METATYPE(velkor::Ikona)
Q_DECLARE_METATYPE(velkor::Odgovor)

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
    void poruka_data() {
        QTest::addColumn<Ikona>("ikona");
        QTest::addColumn<QMessageBox::Icon>("vidljiva");
        QTest::addColumn<QString>("pritisnuti"); // empty: Escape
        QTest::addColumn<Odgovor>("odgovor");
        const auto red = [](const char* ime, Ikona ikona, QMessageBox::Icon vidljiva,
                            const char* gumb, Odgovor odgovor) {
            QTest::newRow(ime) << ikona << vidljiva << QString(gumb) << odgovor;
        };
        red("uskličnik", Ikona::Usklicnik, QMessageBox::Warning, "U redu", Odgovor::URedu);
        red("informacija", Ikona::Informacija, QMessageBox::Information, "U redu", Odgovor::URedu);
        red("kritično", Ikona::Kriticno, QMessageBox::Critical, "U redu", Odgovor::URedu);
        red("bez ikone", Ikona::Nema, QMessageBox::NoIcon, "U redu", Odgovor::URedu);
        red("da", Ikona::Upitnik, QMessageBox::Question, "Da", Odgovor::Da);
        red("ne", Ikona::Upitnik, QMessageBox::Question, "Ne", Odgovor::Ne);
        red("escape je ne", Ikona::Upitnik, QMessageBox::Question, "", Odgovor::Ne);
    }

    void poruka() {
        QFETCH(Ikona, ikona);
        QFETCH(QMessageBox::Icon, vidljiva);
        QFETCH(QString, pritisnuti);
        QFETCH(Odgovor, odgovor);
        const Gumbi gumbi = odgovor == Odgovor::URedu ? Gumbi::URedu : Gumbi::DaNe;
        frmZideZizodu prozor;
        QMessageBox::Icon viđenaIkona = QMessageBox::NoIcon;
        QStringList viđeno, natpisi;
        kadSePojavi<QMessageBox>([&](QMessageBox* poruka) {
            viđenaIkona = poruka->icon();
            viđeno << poruka->windowTitle() << poruka->text();
            for (QAbstractButton* gumb : poruka->buttons())
                natpisi << gumb->text();
            if (pritisnuti.isEmpty())
                QTest::keyClick(poruka, Qt::Key_Escape);
            else if (natpisi.contains(pritisnuti))
                poruka->buttons().at(natpisi.indexOf(pritisnuti))->click();
        });
        QCOMPARE(
            prozor.Poruka(QStringLiteral("Nastala je greška!\r\nDrugi redak <b>"), ikona, gumbi),
            odgovor);
        QCOMPARE(viđeno,
                 (QStringList{"VelkorZideZizodu22", "Nastala je greška!\nDrugi redak <b>"}));
        QCOMPARE(viđenaIkona, vidljiva);
        natpisi.sort();
        QCOMPARE(natpisi,
                 gumbi == Gumbi::URedu ? QStringList{"U redu"} : (QStringList{"Da", "Ne"}));
    }

    void izborDatoteke() {
        QTemporaryDir mapa;
        QVERIFY(mapa.isValid());
        frmZideZizodu prozor;
        DijalogDatoteke dijalog;
        dijalog.zadanaEkstenzija = QStringLiteral(".txt");
        dijalog.filter = QStringLiteral("Verzije (*.txt)|*.txt|Popisi|*.txt;*.log");
        dijalog.imeDatoteke = QStringLiteral("Verzije.txt");
        dijalog.naslov =
            QStringLiteral("Izaberite uređaj i direktoriju gdje se nalaze novi Velkor programi");
        dijalog.početnaDirektorija = QDir::toNativeSeparators(mapa.path()) + QDir::separator();
        QStringList viđeno;
        kadSePojavi<QFileDialog>([&](QFileDialog* izbornik) {
            viđeno << izbornik->windowTitle() << izbornik->directory().absolutePath()
                   << izbornik->nameFilters() << izbornik->defaultSuffix();
            izbornik->selectFile(mapa.filePath(QStringLiteral("Verzije.txt")));
            static_cast<QDialog*>(izbornik)->accept();
        });
        // The file need not exist: only its directory is wanted.
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
