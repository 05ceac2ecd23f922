#include "pairnames.h"

PairPaths PairNames(const QString &chosen)
{
    const QString dat = QStringLiteral(".dat");
    const QString datx = QStringLiteral(".datx");
    const qsizetype at = chosen.indexOf(dat, 0, Qt::CaseSensitive);
    if (at < 0)
        return {chosen + dat, chosen + datx, chosen, datx};
    const QString partner = chosen.left(at) + datx;
    return {chosen, partner, chosen, partner};
}
