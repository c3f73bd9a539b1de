#pragma once
// Several QtTest classes in one executable: each test file registers its class
// with VELKOR_TEST, and the folder's executable runs them all.
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace velkor::test {

using TvornicaTesta = std::function<std::unique_ptr<QObject>()>;

std::vector<TvornicaTesta>& registriraniTestovi();

struct Registracija {
    explicit Registracija(TvornicaTesta t) { registriraniTestovi().push_back(std::move(t)); }
};

int pokreniSveTestove(int argc, char** argv);

} // namespace velkor::test

#define VELKOR_TEST(Klasa)                                                                         \
    static const velkor::test::Registracija registracija_##Klasa{                                  \
        [] { return std::unique_ptr<QObject>(new Klasa); }};
