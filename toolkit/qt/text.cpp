#include "toolkit/qt/text.h"

#include <QStringDecoder>

namespace toolkit::qt {

QString decodeGbk(std::string_view bytes) {
    // Qt finds GBK through ICU by name only; QStringConverter's own table does not know it.
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace toolkit::qt
