#pragma once

#include <QString>
#include <QStringList>

// A filter as the product stores it, "shown|pattern|shown|pattern...", turned into the entries a
// file dialog shows. "*.*" means every file, also for names without a dot; an empty filter gives
// no entries, and the dialog then shows every file.
QStringList fileDialogNameFilters(const QString &storedFilter);
