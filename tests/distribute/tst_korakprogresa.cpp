#include "distribute/PunjenjeLokacije.h"
#include "support/RegistarTestova.h"

using namespace velkor;

class TestKorakaProgresa : public QObject {
    Q_OBJECT

private slots:
    // The distribution bar counts rows 1 to 29 and starts again at 1.
    void krug() {
        QCOMPARE((QList<qint32>{SljedećiKorakProgresa(0), SljedećiKorakProgresa(1),
                                SljedećiKorakProgresa(28), SljedećiKorakProgresa(29)}),
                 (QList<qint32>{1, 2, 29, 1}));
    }
};

VELKOR_TEST(TestKorakaProgresa)
#include "tst_korakprogresa.moc"
