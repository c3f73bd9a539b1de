#include "install/TabelaProzoraPrograma.h"

#include <QFile>

namespace velkor {

QList<ProzorPrograma> TabelaProzoraPrograma() {
    QFile datoteka(QStringLiteral(":/install/TabelaProzoraPrograma.txt"));
    if (!datoteka.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<ProzorPrograma> tabela;
    while (!datoteka.atEnd()) {
        QString red = QString::fromUtf8(datoteka.readLine());
        if (red.endsWith(QLatin1Char('\n')))
            red.chop(1);
        if (red.isEmpty() || red.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype točkaZarez = red.indexOf(QLatin1Char(';'));
        tabela.append({red.left(točkaZarez), red.mid(točkaZarez + 1)});
    }
    return tabela;
}

} // namespace velkor
