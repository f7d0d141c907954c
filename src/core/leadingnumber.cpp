#include "leadingnumber.h"

#include <QByteArray>
#include <charconv>
#include <limits>

namespace orv {

double leadingNumber(QStringView text)
{
    QByteArray number; // the accepted characters, blanks left out
    bool digits = false;
    bool point = false;
    bool signSeen = false;
    bool negative = false;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        if ((c == u'+' || c == u'-') && number.isEmpty() && !signSeen) {
            signSeen = true;
            negative = c == u'-';
        } else if (c >= u'0' && c <= u'9') {
            number.append(char(c.unicode()));
            digits = true;
        } else if (c == u'.' && !point) {
            number.append('.');
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    // Plain ASCII digits and point; from_chars reads them whatever the locale.
    double value = 0.0;
    const std::from_chars_result read =
        std::from_chars(number.constData(), number.constData() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: huge when the whole part is not zero,
        // else too small to matter.
        const QByteArray whole = number.left(number.indexOf('.') < 0 ? number.size() : number.indexOf('.'));
        const bool huge = whole.count('0') != whole.size();
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace orv
