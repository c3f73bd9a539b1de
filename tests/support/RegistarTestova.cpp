#include "RegistarTestova.h"

#include <QTest>

namespace velkor::test {

std::vector<TvornicaTesta>& registriraniTestovi() {
    static std::vector<TvornicaTesta> testovi;
    return testovi;
}

int pokreniSveTestove(int argc, char** argv) {
    int neuspjeli = 0;
    for (const auto& tvornica : registriraniTestovi()) {
        auto test = tvornica();
        neuspjeli += QTest::qExec(test.get(), argc, argv);
    }
    return neuspjeli;
}

} // namespace velkor::test
