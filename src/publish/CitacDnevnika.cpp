#include "publish/CitacDnevnika.h"

#include "platform/KodnaStranica.h"

namespace velkor {

namespace {

constexpr quint16 OznakaTeksta = 8;
constexpr qsizetype Zaglavlje = 4;
const QString Napomena = QStringLiteral("*** ");

quint16 broj16(QByteArrayView b, qsizetype i) {
    return quint16(quint8(b[i]) | quint8(b[i + 1]) << 8);
}

qsizetype dužina(QByteArrayView b, qsizetype i) {
    return broj16(b, i + 2);
}

// A text record whose bytes are all there.
bool cijeliZapis(QByteArrayView b, qsizetype i) {
    return i + Zaglavlje <= b.size() && broj16(b, i) == OznakaTeksta &&
           i + Zaglavlje + dužina(b, i) <= b.size();
}

// Where reading can go on after damage: a whole record ending in CR LF, as the
// program writes them. Entry texts never hold the tag's byte 8.
qsizetype sljedećiZapis(QByteArrayView b, qsizetype od) {
    for (qsizetype i = od; i < b.size(); ++i) {
        if (cijeliZapis(b, i) && dužina(b, i) >= 2 &&
            b.sliced(i + Zaglavlje + dužina(b, i) - 2, 2) == QByteArrayView("\r\n"))
            return i;
    }
    return -1;
}

// One line for the terminal: line ends inside a message and other control
// characters would break it up or drive the terminal.
QString jedanRed(QByteArrayView tekst) {
    QString red = IzAnsija(tekst.toByteArray());
    if (red.endsWith(QStringLiteral("\r\n")))
        red.chop(2);
    red.replace(QStringLiteral("\r\n"), QStringLiteral(" | "));
    for (QChar& znak : red) {
        if (znak == QLatin1Char('\r') || znak == QLatin1Char('\n'))
            znak = QLatin1Char('|');
        else if ((znak.unicode() < 0x20 && znak != QLatin1Char('\t')) || znak.unicode() == 0x7F)
            znak = QChar::ReplacementCharacter;
    }
    return red;
}

QString naPoložaju(qsizetype i) {
    return QStringLiteral(" na položaju ") + QString::number(i);
}

// What is left from i to the end when no whole record follows.
QString kraj(QByteArrayView b, qsizetype i) {
    const qsizetype ostatak = b.size() - i;
    if (ostatak >= Zaglavlje && broj16(b, i) == OznakaTeksta)
        return Napomena + QStringLiteral("Odrezan zapis") + naPoložaju(i) +
               QStringLiteral(" (najavljeno bajtova teksta: ") + QString::number(dužina(b, i)) +
               QStringLiteral(", prisutno: ") + QString::number(ostatak - Zaglavlje) +
               QStringLiteral("): ") + jedanRed(b.sliced(i + Zaglavlje));
    if (ostatak < Zaglavlje && quint8(b[i]) == OznakaTeksta && (ostatak < 2 || b[i + 1] == 0))
        return Napomena + QStringLiteral("Odrezan zapis") + naPoložaju(i) +
               QStringLiteral(": nepotpuno zaglavlje (bajtova: ") + QString::number(ostatak) +
               QStringLiteral(").");
    return Napomena + QStringLiteral("Oštećeni podaci") + naPoložaju(i) +
           QStringLiteral(" do kraja datoteke (bajtova: ") + QString::number(ostatak) +
           QStringLiteral(").");
}

} // namespace

void PročitajDnevnik(QByteArrayView b, const std::function<void(const QString&)>& ispiši) {
    qsizetype i = 0;
    while (i < b.size()) {
        if (cijeliZapis(b, i)) {
            ispiši(jedanRed(b.sliced(i + Zaglavlje, dužina(b, i))));
            i += Zaglavlje + dužina(b, i);
            continue;
        }
        const qsizetype dalje = sljedećiZapis(b, i + 1);
        if (dalje < 0) {
            ispiši(kraj(b, i));
            return;
        }
        ispiši(Napomena + QStringLiteral("Oštećeni podaci") + naPoložaju(i) +
               QStringLiteral(" preskočeni (bajtova: ") + QString::number(dalje - i) +
               QStringLiteral("); čitanje se nastavlja od sljedećeg cijelog zapisa."));
        i = dalje;
    }
}

} // namespace velkor
