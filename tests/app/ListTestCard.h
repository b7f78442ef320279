// Shared by the list tests: small generated cards, and a catcher that answers the
// critical alerts the list page shows so that a test does not block on them.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace ListTestCard {

// Writes a card of short, small recordings into folder (missing or empty); false on failure.
bool generate(const QString &folder, int events, int normals, int logs, quint64 seed = 7);
// Fixed time zone, private preferences, English texts and the default display settings.
void prepareEnvironment();

} // namespace ListTestCard

// While alive, closes every modal message box as soon as it opens and keeps its text.
class AlertCloser : public QObject {
    Q_OBJECT

public:
    AlertCloser();
    const QStringList &texts() const { return _texts; }

private:
    void poll();

    QTimer _timer;
    QStringList _texts;
};
