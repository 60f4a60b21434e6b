#pragma once

#include <QString>

namespace piyota {

// A screen's media control, driven only through its two properties:
// FileName names a sound file relative to the working directory, and
// assigning a command word ("Open", "Sound", "Play", "Stop", "Close", in any
// letter case) carries it out at once. Failures are never reported.
class MediaControl {
public:
    virtual ~MediaControl() = default;
    virtual void setFileName(const QString &fileName) = 0;
    virtual void setCommand(const QString &command) = 0;
};

} // namespace piyota

#include <memory>

namespace piyota {

// Makes the media control of a screen. A control lives as long as its screen;
// destroying it ends the music it plays, while a short sound started with
// "Sound" plays on to its end.
class MediaControlFactory {
public:
    virtual ~MediaControlFactory() = default;
    virtual std::unique_ptr<MediaControl> createControl() = 0;
};

} // namespace piyota
