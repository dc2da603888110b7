#include "scombiccheraposti.h"

#include "core/randomgenerator.h"
#include "geometry/design.h"
#include "geometry/twipsgeometry.h"

namespace vocario {

void ScombiccheraPosti(const QList<QWidget*>& controls, const RowPlaces& rows,
                       RandomGenerator& random) {
    const int n = int(controls.size());
    Q_ASSERT(n == rows.count);
    for (QWidget* control : controls)
        setTopTwips(control, 0);
    for (int place = 0; place < n; ++place) {
        int j = random.below(n);
        while (topTwips(controls[j]) != 0)
            j = (j + 1) % n;
        setTopTwips(controls[j], rows.top(place));
    }
}

} // namespace vocario
