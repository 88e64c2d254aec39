#include "shared/Translation.h"

#include <QCoreApplication>
#include <QStringList>

QString TranslatedText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

namespace {

// One line, with or without the carriage return the radio's texts end their lines with.
QString TranslatedLine(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    const QString whole = QCoreApplication::translate(KV310_MESSAGES, bytes.constData());
    if (whole != line || !line.endsWith(QLatin1Char('\r'))) {
        return whole;
    }
    const QByteArray bare = line.chopped(1).toUtf8();
    return QCoreApplication::translate(KV310_MESSAGES, bare.constData()) + QLatin1Char('\r');
}

}  // namespace

QString TranslatedMessage(const std::string& text) {
    const QString source = QString::fromStdString(text);
    const QString whole = QCoreApplication::translate(KV310_MESSAGES, text.c_str());
    if (whole != source || !source.contains(QLatin1Char('\n'))) {
        return whole;
    }
    QStringList lines = source.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        line = TranslatedLine(line);
    }
    return lines.join(QLatin1Char('\n'));
}
