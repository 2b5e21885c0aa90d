#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>

// Records the path of every sound asked for.
class RecordingSoundPlayer : public SoundPlayer
{
public:
    void play(const QString &path) override { played.append(path); }
    void stop() override { ++stops; }

    // File names only ("o.wav"), in order.
    QStringList names() const;

    QStringList played;
    int stops = 0;
};
