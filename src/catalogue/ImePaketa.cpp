#include "catalogue/ImePaketa.h"

namespace velkor {

QString ImePaketa(const QString& imeDatoteke) {
    QString paket =
        imeDatoteke.left(qMax<qsizetype>(0, imeDatoteke.size() - 3)) + QStringLiteral("7z");
    paket.replace(QChar(u'č'), QLatin1Char('c'));
    paket.replace(QChar(u'ž'), QLatin1Char('z'));
    return paket;
}

} // namespace velkor
