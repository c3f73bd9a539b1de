#include "Okruzje.h"

namespace velkor::test {

Okolina Okruženje::okolina() {
    return {program(), prozor, datoteke, platforma, *spremište, sat, regionalno};
}

LokalniPoslužitelj& Okruženje::poslužitelj() {
    if (poslužitelj_)
        return *poslužitelj_;
    poslužitelj_ = std::make_unique<LokalniPoslužitelj>(objava.path());
    if (!poslužitelj_->Pokreni())
        qFatal("the local server does not listen");
    platforma.okolina.insert({{"VELKOR_PRIMARNI_HOST", poslužitelj_->Domaćin()},
                              {"VELKOR_SEKUNDARNI_HOST", poslužitelj_->DomaćinPoImenu()},
                              {"VELKOR_CA_CERTS", LokalniPoslužitelj::PutanjaCa()}});
    return *poslužitelj_;
}

Aplikacija& Okruženje::aplikacija() {
    if (!aplikacija_)
        aplikacija_ = std::make_unique<Aplikacija>(okolina());
    return *aplikacija_;
}

} // namespace velkor::test
