#pragma once

#include <QObject>
#include <QString>

// MOON OF THE DAY as the scenes see it: the QML singleton `Defi`. Moments are
// milliseconds since 1970 UTC; a missing moment (negative) means now.
class DefiQml : public QObject {
    Q_OBJECT

public:
    explicit DefiQml(QObject* parent = nullptr);

    Q_INVOKABLE double maintenant() const;
    Q_INVOKABLE QString jour(double t = -1) const;
    Q_INVOKABLE double graine(double t = -1) const;
    // Index of the day's layout in the stage list.
    Q_INVOKABLE int disposition(double t = -1) const;
};
