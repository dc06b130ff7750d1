// The game's sounds played through the desktop's audio output, when the
// user has them on. Made on first use (see soundwaves.h); without an audio
// output the game plays on silently, and says nothing about it.
#pragma once

#include "ui/soundwaves.h"

#include <QObject>

#include <memory>

class QSoundEffect;
class QTemporaryDir;

class Sounds : public QObject {
    Q_OBJECT

public:
    explicit Sounds(QObject* parent = nullptr);
    ~Sounds() override;

    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }
    // Plays `sound` when the sounds are on; nothing at all when they are off.
    void play(Sound sound);
    // How many sounds were asked of the audio output so far.
    int attempts() const { return attempts_; }

    // Whether a user would hear sounds unless the settings say otherwise:
    // not under a platform without a screen (the tests' offscreen one).
    static bool onByDefault();

private:
    // Makes the sound effects; false, for good, without an audio output.
    bool prepare();

    bool on_ = false;
    bool prepared_ = false;
    bool silent_ = false;
    int attempts_ = 0;
    std::unique_ptr<QTemporaryDir> folder_;
    QSoundEffect* effects_[kSoundCount] = {};
};
