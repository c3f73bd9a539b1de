#include "window/Dijalozi.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace velkor {

namespace {

QMessageBox::Icon ikonaPoruke(Ikona ikona) {
    switch (ikona) {
    case Ikona::Usklicnik:
        return QMessageBox::Warning;
    case Ikona::Upitnik:
        return QMessageBox::Question;
    case Ikona::Informacija:
        return QMessageBox::Information;
    case Ikona::Kriticno:
        return QMessageBox::Critical;
    case Ikona::Nema:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Odgovor PokažiPoruku(QWidget* roditelj, const QString& tekst, Ikona ikona, Gumbi gumbi,
                     const QString& naslov) {
    // Multi-line texts come joined with CR LF; a '<' in a path is no markup.
    QString prikaz = tekst;
    prikaz.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox poruka(ikonaPoruke(ikona), naslov, prikaz, QMessageBox::NoButton, roditelj);
    poruka.setObjectName(QStringLiteral("Poruka"));
    poruka.setTextFormat(Qt::PlainText);
    if (gumbi == Gumbi::URedu) {
        poruka.addButton(QStringLiteral("U redu"), QMessageBox::AcceptRole);
        poruka.exec();
        return Odgovor::URedu;
    }
    QPushButton* da = poruka.addButton(QStringLiteral("Da"), QMessageBox::YesRole);
    QPushButton* ne = poruka.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
    poruka.setDefaultButton(da);
    poruka.setEscapeButton(ne);
    poruka.exec();
    return poruka.clickedButton() == da ? Odgovor::Da : Odgovor::Ne;
}

QString QtFilter(const QString& filter) {
    const QStringList dijelovi = filter.split(QLatin1Char('|'));
    QStringList filteri;
    for (int i = 0; i < dijelovi.size(); i += 2) {
        const QString opis = dijelovi[i].trimmed();
        const QString uzorci =
            dijelovi.value(i + 1).trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
        if (uzorci.isEmpty() || opis.contains(QLatin1Char('(')))
            filteri << opis;
        else
            filteri << opis + QStringLiteral(" (") + uzorci + QLatin1Char(')');
    }
    filteri.removeAll(QString());
    return filteri.join(QStringLiteral(";;"));
}

QString PokažiDijalogDatoteke(QWidget* roditelj, const DijalogDatoteke& dijalog) {
    QFileDialog izbornik(roditelj, dijalog.naslov,
                         QDir::fromNativeSeparators(dijalog.početnaDirektorija));
    izbornik.setObjectName(QStringLiteral("CommonDialog1"));
    izbornik.setAcceptMode(QFileDialog::AcceptOpen);
    // Only the path must exist; the file itself is never opened.
    izbornik.setFileMode(QFileDialog::AnyFile);
    izbornik.setNameFilter(QtFilter(dijalog.filter));
    QString nastavak = dijalog.zadanaEkstenzija;
    if (nastavak.startsWith(QLatin1Char('.')))
        nastavak.remove(0, 1);
    izbornik.setDefaultSuffix(nastavak);
    if (!dijalog.imeDatoteke.isEmpty())
        izbornik.selectFile(dijalog.imeDatoteke);
    if (izbornik.exec() != QDialog::Accepted)
        return {};
    return QDir::toNativeSeparators(izbornik.selectedFiles().value(0));
}

} // namespace velkor
