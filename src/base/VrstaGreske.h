#pragma once
// What kind of failure ended an operation, for callers that must tell them apart
// (the unattended run's exit code). Set where the failure is known; ASCII names
// because headers moc reads include this.

namespace velkor {

enum class VrstaGreske {
    Nijedna,
    Ostalo,
    IzvorNedostupan,     // host or share cannot be reached
    ProxyTraziPrijavu,   // the proxy wants a user name and password
    Provjera,            // a signature or hash check failed; nothing installed
    NemaMjesta,          // not enough disk space
    ProgramiRade,        // the suite's programs are still running
    PovratNepotpun,      // a rollback could not restore everything
    LokacijaNepopunjena, // the distribution location keeps its previous state
    InstalacijaVracena,  // the installation failed and was rolled back
    Zauzeto,             // another run holds the installation
};

} // namespace velkor
