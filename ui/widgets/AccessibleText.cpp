#include "widgets/AccessibleText.h"

#include <QAbstractButton>
#include <QStringList>
#include <QWidget>
#include <algorithm>

QString SpokenCaption(const QString& caption) {
    QString text = caption;
    text.remove(QLatin1Char('&')).remove(QLatin1Char('#'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    const bool spelled = lines.size() > 1 && std::all_of(lines.begin(), lines.end(), [](const QString& line) {
                             return line.trimmed().size() <= 1;
                         });
    QString spoken = (spelled ? lines.join(QString()) : lines.join(QLatin1Char(' '))).simplified();
    if (spoken.endsWith(QLatin1Char(':'))) {  // a label's colon is not said
        spoken.chop(1);
    }
    return spoken.trimmed();
}

void NameByCaption(QWidget* control, const QString& caption, const QString& explanation) {
    control->setAccessibleName(SpokenCaption(caption));
    control->setAccessibleDescription(explanation);
}

void SetCaption(QAbstractButton* button, const QString& caption) {
    button->setText(caption);
    button->setAccessibleName(SpokenCaption(caption));
}
