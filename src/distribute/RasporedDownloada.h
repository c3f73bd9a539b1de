#pragma once
// When the distribution download runs by itself: every n hours on the hour.
#include <QDateTime>

namespace velkor {

class RasporedDownloada {
public:
    // Due when n > 0, the minute is 0, the hour (0 to 23) divides by n, and no
    // scheduled run has started in this hour yet (the timer may tick twice in it).
    bool NaRedu(int sati, const QDateTime& sada) const;
    // A scheduled run has started now.
    void Zabilježi(const QDateTime& sada);

private:
    static QDateTime početakSata(const QDateTime& trenutak);
    QDateTime zadnjiPočetak;
};

} // namespace velkor
