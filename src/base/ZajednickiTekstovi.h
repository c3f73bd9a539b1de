#pragma once
// Texts that files, messages and the other computers of a network rely on.
#include <QString>

namespace velkor {

// Multi-line messages, reports and table files join their lines with CR LF.
inline const QString NoviRed = QStringLiteral("\r\n");

// The versions list, published and installed under one name, and the list that
// comes along with it to a distribution location.
inline const QString ImeListeVerzija = QStringLiteral("Verzije.txt");
inline const QString ImeListeVerzijaU = QStringLiteral("VerzijeU.txt");
// The remote-support program kept beside the suite and at a distribution location.
inline const QString ImeTeamViewera = QStringLiteral("TeamViewerQS.exe");

} // namespace velkor
