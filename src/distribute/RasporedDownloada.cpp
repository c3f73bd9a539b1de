#include "distribute/RasporedDownloada.h"

namespace velkor {

bool RasporedDownloada::NaRedu(int sati, const QDateTime& sada) const {
    const QTime vrijeme = sada.time();
    return sati > 0 && vrijeme.minute() == 0 && vrijeme.hour() % sati == 0 &&
           početakSata(sada) != zadnjiPočetak;
}

void RasporedDownloada::Zabilježi(const QDateTime& sada) {
    zadnjiPočetak = početakSata(sada);
}

QDateTime RasporedDownloada::početakSata(const QDateTime& trenutak) {
    return QDateTime(trenutak.date(), QTime(trenutak.time().hour(), 0));
}

} // namespace velkor
