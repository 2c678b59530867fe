#pragma once
// Writing a whole file so that, whatever happens (full disk, folder gone, no permission, the
// program killed half-way), the file holds either its previous content or the new one.

#include <QByteArray>
#include <QString>

namespace quimerix::ui {

// Writes `contingut` to `ruta` through a temporary file that replaces the old one only once every
// byte has reached the disk (QSaveFile synchronises it before the rename), then makes the
// replacement itself durable. Safe on any thread. False when the file could
// not be written (the previous file is then left as it was and no temporary file remains) or when
// the folder could not be synchronised after the replacement.
bool desa_atomicament(const QString &ruta, const QByteArray &contingut);

// Removes what a save to `ruta` killed halfway may have left beside it: files named like the file
// plus a dot and six letters or digits (the temporary names of the atomic save) that are older than
// the file itself, so that they cannot belong to a save under way.
void retira_restes(const QString &ruta);

} // namespace quimerix::ui
