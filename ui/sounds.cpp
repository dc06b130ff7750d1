#include "ui/sounds.h"

#include <QAudioDevice>
#include <QFile>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>

Sounds::Sounds(QObject* parent) : QObject(parent) {}

Sounds::~Sounds() = default;

bool Sounds::onByDefault() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

bool Sounds::prepare() {
    if (prepared_) return !silent_;
    prepared_ = true;
    // QSoundEffect plays files: the waves go to a folder of their own that
    // goes away with the program.
    folder_ = std::make_unique<QTemporaryDir>();
    silent_ = QMediaDevices::audioOutputs().isEmpty() || !folder_->isValid();
    if (silent_) return false;
    for (int i = 0; i < kSoundCount; ++i) {
        const QString path = folder_->filePath(QString("sound%1.wav").arg(i));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(SoundWave(static_cast<Sound>(i))) < 0) {
            silent_ = true;
            return false;
        }
        effects_[i] = new QSoundEffect(this);
        effects_[i]->setSource(QUrl::fromLocalFile(path));
    }
    return true;
}

void Sounds::play(Sound sound) {
    if (!on_) return;
    ++attempts_;
    if (!prepare()) return;
    effects_[static_cast<int>(sound)]->play();
}
