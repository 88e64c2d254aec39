#pragma once
// A catalogue made up as it is asked: every text comes back 40 % longer, its vowels accented and wrapped in
// the markers ⟦ ⟧, so a window test sees at once a text that does not fit its place (it is longer than any
// real language makes it) and a text that never went through the catalogue (it has no marker).

#include <QTranslator>

class CPseudoTranslator : public QTranslator {
public:
    static constexpr char16_t kOpen = u'\u27E6';
    static constexpr char16_t kClose = u'\u27E7';

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override {
        (void)context;
        (void)disambiguation;
        (void)n;
        return Pseudo(QString::fromUtf8(sourceText));
    }

    // "&Load...\tCtrl+O" -> "⟦&Lóád... ~~~⟧\tCtrl+O": placeholders (%1), tags and the shortcut after a tab
    // stay as they are; each line of a text of several lines is marked on its own.
    static QString Pseudo(const QString& source) {
        if (source.trimmed().isEmpty()) {
            return source;
        }
        QStringList lines = source.split(QLatin1Char('\n'));
        for (QString& line : lines) {
            if (line.trimmed().isEmpty()) {
                continue;
            }
            const qsizetype tab = line.indexOf(QLatin1Char('\t'));
            const QString shortcut = tab < 0 ? QString() : line.mid(tab);
            const QString text = tab < 0 ? line : line.left(tab);
            line = QString(kOpen) + Accented(text) +
                   QString(qsizetype((text.size() * 4 + 9) / 10), QLatin1Char('~')) + QString(kClose) +
                   shortcut;
        }
        return lines.join(QLatin1Char('\n'));
    }

private:
    static QString Accented(const QString& text) {
        static const QString plain = QStringLiteral("aeiouAEIOU");
        static const QString accented =
            QStringLiteral("\u00e1\u00e9\u00ed\u00f3\u00fa\u00c1\u00c9\u00cd\u00d3\u00da");
        QString result;
        bool inTag = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            inTag = c == QLatin1Char('<') ? true : (c == QLatin1Char('>') ? false : inTag);
            const qsizetype at = plain.indexOf(c);
            const bool placeholder = i > 0 && text.at(i - 1) == QLatin1Char('%');
            result += at >= 0 && !inTag && !placeholder ? accented.at(at) : c;
        }
        return result;
    }
};
