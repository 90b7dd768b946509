#pragma once

#include <QObject>

// The shake of the picture, in native pixels, shared by the effects layers
// that shake it and the screen that shows it. Moving every item of a board
// by a pixel or three has the tube draw most of the window again at each
// step; the screen, once it has taken the shake (`prise`), moves its kept
// picture instead, which costs a frame no more than a still one. Without a
// screen (a scene test), a layer moves its own scene by the offsets.
class SecousseQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int x READ x WRITE setX NOTIFY decalageChanged)
    Q_PROPERTY(int y READ y WRITE setY NOTIFY decalageChanged)
    Q_PROPERTY(bool prise READ prise WRITE setPrise NOTIFY priseChanged)

public:
    using QObject::QObject;

    int x() const { return x_; }
    void setX(int v);
    int y() const { return y_; }
    void setY(int v);
    bool prise() const { return prise_; }
    void setPrise(bool v);

    // A trial's line for one step of a shake, "TESSIMORA_SECOUSSE dx dy ms":
    // its offsets in native pixels and when they came, in ms of the system's
    // monotonic clock, the one the frame list of "--ips-images" counts in.
    Q_INVOKABLE void journaliser(int dx, int dy) const;

signals:
    void decalageChanged();
    void priseChanged();

private:
    int x_ = 0;
    int y_ = 0;
    bool prise_ = false;
};
