#include "document/filefilter.h"

QStringList fileDialogNameFilters(const QString &storedFilter)
{
    QStringList entries;
    const QStringList parts = storedFilter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1StringView("*.*"))
                pattern = u"*"_qs;
        }
        entries << parts[i] + u" ("_qs + patterns.join(u' ') + u')';
    }
    return entries;
}
