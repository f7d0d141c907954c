#include "sortbykey.h"

#include "photometadata.h"
#include "sortbyname.h"

#include <QFileInfo>
#include <algorithm>
#include <numeric>

namespace orv {

SortValue sortValue(const QString &path, SortOrder order, const PhotoMetadataReader *metadata)
{
    SortValue v;
    switch (order) {
    case SortOrder::DateTaken:
        if (metadata) {
            if (const QDateTime taken = metadata->dateTaken(path); taken.isValid()) {
                v.number = taken.toMSecsSinceEpoch();
                return v;
            }
        }
        [[fallthrough]];
    case SortOrder::DateModified:
        v.number = QFileInfo(path).lastModified().toMSecsSinceEpoch();
        return v;
    case SortOrder::Size:
        v.number = QFileInfo(path).size();
        return v;
    case SortOrder::Type: {
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        if (dot > slash + 1)
            v.text = path.mid(dot + 1).toLower();
        return v;
    }
    }
    return v;
}

std::vector<int> sortOrder(const std::vector<PictureEntry> &entries, const std::vector<SortValue> &values)
{
    std::vector<int> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const SortValue &x = values[size_t(a)];
        const SortValue &y = values[size_t(b)];
        if (x.number != y.number)
            return x.number < y.number;
        if (const int c = QString::compare(x.text, y.text); c != 0)
            return c < 0;
        return SortByName::nameLess(entries[size_t(a)].name, entries[size_t(b)].name);
    });
    return order;
}

} // namespace orv
