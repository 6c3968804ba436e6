#include "Statistics.h"

#include <algorithm>
#include <cmath>

namespace korbo {

QList<int> PlayerStatistics::histogram(int width) const
{
    QList<int> bins;
    for (const Point &p : totals) {
        const int bin = std::max(0, static_cast<int>(p.value) / width);
        if (bins.size() <= bin)
            bins.resize(bin + 1);
        ++bins[bin];
    }
    return bins;
}

} // namespace korbo
